// The console data: lists, identifiers, pictures and design lookup.
#include "model/console_data.h"

#include <set>

#include "app/folders.h"

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
    std::set<int> used;
    for (const std::unique_ptr<CCtrl__Base> &control : m_controls)
        used.insert(control->Id());
    int id = 0;
    while (used.count(id))
        ++id;
    return id;
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
