// A control design (".ccd" file): the images and numbers that give console controls of each
// kind their look when they do not use the default look.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "design/image_manager.h"

namespace korvane {
class CXmlNode;
}

namespace dataConsole {

using korvane::CMyImageManagerExternFile;
using korvane::CXmlNode;

// Identifiers of the design's images in its image manager. A strip of n images occupies n
// consecutive identifiers from the one given.
namespace ccdImage {
inline constexpr unsigned kButtonOff = 0;
inline constexpr unsigned kButtonOn = 1;
inline constexpr unsigned kSliderVertBackground = 2;
inline constexpr unsigned kSliderVertCursor = 3;
inline constexpr unsigned kSliderHorzBackground = 4;
inline constexpr unsigned kSliderHorzCursor = 5;
inline constexpr unsigned kRotaryDial = 6;
inline constexpr unsigned kRotaryCursor = 7;
inline constexpr unsigned kGroupButtonsBackground = 1000;
inline constexpr unsigned kGroupButtonsFirstButton = 1001; // off 1001 + 2i, on 1002 + 2i
inline constexpr unsigned kIncDecBackground = 2000;
inline constexpr unsigned kIncOff = 2001;
inline constexpr unsigned kIncOn = 2002;
inline constexpr unsigned kDecOff = 2003;
inline constexpr unsigned kDecOn = 2004;
inline constexpr unsigned kIncDecDisplay = 2005;
inline constexpr unsigned kWheelBackground = 3000;
inline constexpr unsigned kWheelStrip = 3001;
} // namespace ccdImage

inline constexpr char kDefaultDesignName[] = "default.ccd";

// The file name of an image as written in the design file (bytes, relative to the design
// folder). Absent in designs of the design lists, which keep their images but not their
// names; present, possibly empty, in the designs the design editor works on.
using ImageName = std::optional<std::string>;

// Where the images a design names are looked for: the primary folder first, then the
// fallback folder when there is one. Both end with '/'.
struct CImageFolders
{
    QString primary;
    QString fallback;
};

class CDataCCD
{
public:
    // Base of the seven parts. `present` tells which kinds a design offers: it is set when
    // the part's element was read from a file and never cleared.
    class CCtrlBase
    {
    public:
        explicit CCtrlBase(CDataCCD *owner) : m_owner(owner) {}
        virtual ~CCtrlBase() = default;
        CCtrlBase(const CCtrlBase &) = delete;
        CCtrlBase &operator=(const CCtrlBase &) = delete;

        virtual void Reset() = 0;
        virtual bool Save(CXmlNode *parent) const;
        virtual void Load(const CXmlNode *element, const CImageFolders &folders);

        bool IsPresent() const { return m_present; }

    protected:
        const CMyImageManagerExternFile &Images() const { return m_owner->m_images; }
        // Reads the image file named by `key` of `element` (when the key stands) under `id`,
        // storing the name into `name` when that field exists.
        void LoadImageKey(const CXmlNode &element, const char *key, unsigned id, int count, ImageName &name,
                          const CImageFolders &folders);
        // The editor's image setters: the file `folder` + `file` under `id`.
        void SetImageFile(unsigned id, int count, ImageName &name, const QString &folder, const std::string &file);

        CDataCCD *m_owner;
        bool m_present = false;
    };

    class CButton : public CCtrlBase
    {
    public:
        using CCtrlBase::CCtrlBase;
        void Reset() override {}
        bool Save(CXmlNode *parent) const override;
        void Load(const CXmlNode *element, const CImageFolders &folders) override;

        const QImage *Image(bool on) const;
        QSize Size() const;
        void SetImage(bool on, const QString &folder, const std::string &file);

        ImageName onName;
        ImageName offName;
    };

    class CRotary : public CCtrlBase
    {
    public:
        using CCtrlBase::CCtrlBase;
        void Reset() override;
        bool Save(CXmlNode *parent) const override;
        void Load(const CXmlNode *element, const CImageFolders &folders) override;

        const QImage *DialImage() const;
        const QImage *CursorImage() const;
        QSize DialSize() const;
        QSize CursorSize() const;
        void SetDialImage(const QString &folder, const std::string &file);
        void SetCursorImage(const QString &folder, const std::string &file);

        ImageName dialName;
        ImageName cursorName;
        int angleMin = 225;
        int angleMax = 315;
        int radius = 10;
        // Set when the pointer is a drawn line rather than an image cursor: the preview then
        // follows the mouse angle instead of relative movement.
        bool angleMode = true;
    };

    class CSlider : public CCtrlBase
    {
    public:
        using CCtrlBase::CCtrlBase;
        void Reset() override;
        // A slider is written with its orientation; the plain form writes nothing.
        bool Save(CXmlNode *) const override { return false; }
        bool Save(CXmlNode *parent, bool vertical) const;
        void Load(const CXmlNode *element, bool vertical, const CImageFolders &folders);

        const QImage *BackgroundImage(bool vertical) const;
        const QImage *CursorImage(bool vertical) const;
        QSize BackgroundSize(bool vertical) const;
        QSize CursorSize(bool vertical) const;
        void SetBackgroundImage(bool vertical, const QString &folder, const std::string &file);
        void SetCursorImage(bool vertical, const QString &folder, const std::string &file);

        int offsetX = 0;
        int offsetY = 0;
        ImageName backgroundName;
        ImageName cursorName;
    };

    class CWheel : public CCtrlBase
    {
    public:
        using CCtrlBase::CCtrlBase;
        void Reset() override;
        bool Save(CXmlNode *parent) const override;
        void Load(const CXmlNode *element, const CImageFolders &folders) override;

        const QImage *BackgroundImage() const;
        // Image `index` of the strip, from 0.
        const QImage *StripImage(int index) const;
        QSize Size() const;
        void SetBackgroundImage(const QString &folder, const std::string &file);
        void SetStrip(const QString &folder, const std::string &file);

        ImageName backgroundName;
        ImageName stripName;
        int imageCount = 0;
        bool transparentBackground = false;
    };

    class CGroup : public CCtrlBase
    {
    public:
        using CCtrlBase::CCtrlBase;
        virtual void LoadBackground(const CXmlNode *element, bool isButtonGroup, const CImageFolders &folders);
        void SetBackgroundImage(bool isButtonGroup, const QString &folder, const std::string &file);

        ImageName backgroundName;
        bool transparentBackground = false;
    };

    class CGroupIncDec : public CGroup
    {
    public:
        using CGroup::CGroup;
        void Reset() override;
        bool Save(CXmlNode *parent) const override;
        void Load(const CXmlNode *element, const CImageFolders &folders) override;

        const QImage *BackgroundImage() const;
        const QImage *IncImage(bool on) const;
        const QImage *DecImage(bool on) const;
        const QImage *DisplayImage(int index) const;
        QSize Size() const;
        QSize IncSize() const;
        QSize DecSize() const;
        void SetIncImage(bool on, const QString &folder, const std::string &file);
        void SetDecImage(bool on, const QString &folder, const std::string &file);
        void SetDisplayStrip(const QString &folder, const std::string &file);

        int displayImageCount = 0;
        int displayX = 0;
        int displayY = 0;
        ImageName displayName;
        ImageName decOffName;
        ImageName decOnName;
        ImageName incOffName;
        ImageName incOnName;
        int decX = 0;
        int decY = 0;
        int incX = 0;
        int incY = 0;
    };

    class CGroupButtons : public CGroup
    {
    public:
        // One button of the group; rectangles in pixels of the group, right and bottom
        // exclusive (QRect's right() and bottom() are one less).
        struct CBut
        {
            ImageName offName;
            ImageName onName;
            QRect button;
            QRect image; // where the button's image is drawn
            QRect label; // where the button's text is drawn
        };

        using CGroup::CGroup;
        void Reset() override {}
        bool Save(CXmlNode *parent) const override;
        void Load(const CXmlNode *element, const CImageFolders &folders) override;

        const QImage *BackgroundImage() const;
        QSize Size() const;
        int ButtonCount() const { return int(m_buttons.size()); }
        const CBut *Button(int index) const;
        CBut *Button(int index);
        // The button's own image, else the design's button image; none outside the array.
        const QImage *ButtonImage(int index, bool on) const;
        void SetButtonCount(int count);
        void SetButtonImage(int index, bool on, const QString &appFolder, const std::string &file,
                            const QString &designFolder);

    private:
        void LoadButton(const CXmlNode &element, int index, const CImageFolders &folders);

        std::vector<std::unique_ptr<CBut>> m_buttons;
    };

    CDataCCD();
    CDataCCD(const CDataCCD &) = delete;
    CDataCCD &operator=(const CDataCCD &) = delete;

    // Creates every image-name field (empty), so that loading keeps the names and saving
    // writes them. The design editor does this before it loads or creates a design.
    void AllocateNames();
    // Reads `designFolder` + `fileName` under the application folder, or the application's
    // design folder when `designFolder` is empty (folders end with '/'). Images missing
    // there are looked for in the application's design folder. False when the file is
    // missing, ill-formed or of another version; a wrong header is only a warning.
    bool Load(const QString &appFolder, const QString &fileName, const QString &designFolder);
    // Reads the design file at `path`, its images looked for in `folders`; the design takes
    // the file's name.
    bool LoadFile(const QString &path, const CImageFolders &folders);
    // Writes the design as `folder`/`fileName`. Always true, as callers have always relied
    // on; WriteFile tells whether the bytes reached the disk.
    bool Save(const QString &folder, const QString &fileName) const;
    // Writes the design file through a temporary file renamed over `path`, so a failed write
    // never leaves a half-written design. False, with `error` set, when it cannot.
    bool WriteFile(const QString &path, QString *error = nullptr) const;
    std::string SaveToString() const;
    // Name back to "default.ccd" and every part to its defaults; images and names stay.
    void ResetToDefault();
    bool MatchesName(const QString &fileName) const;

    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    CMyImageManagerExternFile &ImageManager() { return m_images; }
    const CMyImageManagerExternFile &ImageManager() const { return m_images; }
    // The image names the last load could not read, as written in the file.
    const QStringList &MissingImages() const { return m_missingImages; }

    // The component-wise maximum of the sizes of the given images (absent ones count 0 by 0).
    QSize MaxImageSize(std::initializer_list<unsigned> ids) const;

    CRotary rotary{this};
    CSlider sliderHorz{this};
    CSlider sliderVert{this};
    CButton button{this};
    CWheel wheel{this};
    CGroupIncDec groupIncDec{this};
    CGroupButtons groupButtons{this};

private:
    bool LoadImage(unsigned id, int count, const std::string &file, const CImageFolders &folders);

    CMyImageManagerExternFile m_images;
    QString m_name = QString::fromLatin1(kDefaultDesignName);
    QStringList m_missingImages;
};

} // namespace dataConsole
