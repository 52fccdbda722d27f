// The console data: lists, identifiers, pictures and design lookup.
#include "model/console_data.h"

#include <algorithm>

#include "core/folders.h"

namespace dataConsole {

CConsoleData::CConsoleData(const CDesignList *library) : m_library(library)
{
}

CConsoleData::~CConsoleData()
{
    // Controls point into the design lists and at each other: they go first, all together.
    m_controls.clear();
    m_pictures.clear();
}

CCtrl__Base *CConsoleData::AddControl(std::unique_ptr<CCtrl__Base> control)
{
    m_controls.push_back(std::move(control));
    return m_controls.back().get();
}

int CConsoleData::SmallestFreeId() const
{
    return FreeIds(1).front();
}

std::vector<int> CConsoleData::FreeIds(int count) const
{
    // n controls leave `count` of 0..n+count-1 free; marking those in a flat array keeps
    // reading a console of thousands of controls (one call per control) quick.
    std::vector<char> used(m_controls.size() + std::size_t(std::max(count, 0)), 0);
    for (const std::unique_ptr<CCtrl__Base> &control : m_controls) {
        const int id = control->Id();
        if (id >= 0 && std::size_t(id) < used.size())
            used[std::size_t(id)] = 1;
    }
    std::vector<int> free;
    for (std::size_t id = 0; id < used.size() && int(free.size()) < count; ++id) {
        if (!used[id])
            free.push_back(int(id));
    }
    return free;
}

CCtrl_Bitmap *CConsoleData::AddPicture(std::unique_ptr<CCtrl_Bitmap> picture)
{
    m_pictures.push_back(std::move(picture));
    return m_pictures.back().get();
}

const QImage *CConsoleData::LoadPicture(const QString &folder, const QString &name)
{
    if (const QImage *image = m_pictureImages.ImageByName(name))
        return image;
    if (!m_pictureImages.AddImageFile(korvane::ResolvePathNoCase(folder, name), name))
        return nullptr;
    return m_pictureImages.ImageByName(name);
}

CDataCCD *CConsoleData::ResolveDesign(QString &name) const
{
    static const CDesignList kNoLibrary;
    return dataConsole::ResolveDesign(m_designs, m_library ? *m_library : kNoLibrary, name);
}

} // namespace dataConsole
