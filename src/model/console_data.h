// One console: its settings, its controls, its pictures and the designs found beside it.
#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "design/design_list.h"
#include "design/image_manager.h"
#include "model/ctrl_base.h"
#include "model/ctrl_bitmap.h"

namespace dataConsole {

using CPictureList = std::vector<std::unique_ptr<CCtrl_Bitmap>>;

// The console-wide settings, stored on the root element of the file.
struct CConsoleSettings
{
    int width = 400;
    int height = 300;
    ColorRef background = korvane::MakeColorRef(80, 80, 80);
    bool transparentBackground = true;
    // Controls snap to the grid while they are moved or sized.
    bool snapToGrid = true;
    ColorRef gridColor = korvane::MakeColorRef(117, 117, 117);
    int gridStep = 100;
    int gridSubStep = 20;

    bool operator==(const CConsoleSettings &) const = default;
};

// The data of one console document. It owns its controls, its pictures (and their images, by
// name) and its own designs; the application's design library is only referred to.
class CConsoleData
{
public:
    explicit CConsoleData(const CDesignList *library = nullptr);
    ~CConsoleData();
    CConsoleData(const CConsoleData &) = delete;
    CConsoleData &operator=(const CConsoleData &) = delete;

    CConsoleSettings settings;

    const QString &FilePath() const { return m_filePath; }
    void SetFilePath(const QString &path) { m_filePath = path; }

    CCtrlList &Controls() { return m_controls; }
    const CCtrlList &Controls() const { return m_controls; }
    CCtrl__Base *AddControl(std::unique_ptr<CCtrl__Base> control);
    // The smallest identifier from 0 that no control of the list uses.
    int SmallestFreeId() const;
    // The `count` smallest identifiers that no control of the list uses, in order.
    std::vector<int> FreeIds(int count) const;

    CPictureList &Pictures() { return m_pictures; }
    const CPictureList &Pictures() const { return m_pictures; }
    CCtrl_Bitmap *AddPicture(std::unique_ptr<CCtrl_Bitmap> picture);
    const korvane::CMyImageManagerExternFile &PictureImages() const { return m_pictureImages; }
    // The image of the picture file `name` (any case) in `folder`, loaded the first time it
    // is asked for; null when it cannot be read.
    const QImage *LoadPicture(const QString &folder, const QString &name);

    // The designs of the console's own "_ccd" folder.
    CDesignList &Designs() { return m_designs; }
    const CDesignList &Designs() const { return m_designs; }
    const CDesignList *Library() const { return m_library; }
    void SetLibrary(const CDesignList *library) { m_library = library; }
    // The design a control names, from the console's own designs first, then the library;
    // on a match `name` takes the design's own spelling.
    CDataCCD *ResolveDesign(QString &name) const;

private:
    QString m_filePath;
    CCtrlList m_controls;
    CPictureList m_pictures;
    korvane::CMyImageManagerExternFile m_pictureImages;
    CDesignList m_designs;
    const CDesignList *m_library;
};

} // namespace dataConsole
