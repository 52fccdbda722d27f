// A picture on the console: an image file shown at its natural size.
#pragma once

#include <QString>

#include "model/ctrl_base.h"

class QImage;

namespace dataConsole {

// A picture. Its image belongs to the console (by name) and gives the control its size.
// Pictures are locked unless the file says otherwise, carry no bindings, and are drawn by
// the canvas under the controls.
class CCtrl_Bitmap final : public CCtrl__Base
{
public:
    // The picture named by `element` ("name") is looked for in `pictureFolder`: the
    // "_background" folder beside the console file, or the application's for a new picture.
    CCtrl_Bitmap(CConsoleData *console, const CXmlNode *element, const QString &pictureFolder);

    void CopyFrom(const CCtrl__Base &other) override;
    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    QSize GetImageSize() const override { return Rect().size(); }
    void SetTAlignX(int) override {}
    void SetTAlignY(int) override {}
    void LoadXml(const CXmlNode &) override {}
    // Draws nothing: the console paints its pictures itself, below every control.
    bool Draw(QPainter &painter, const CDrawContext &context) const override;

    const QString &PictureName() const { return m_pictureName; }
    const QString &PictureFolder() const { return m_pictureFolder; }
    // Names the picture and loads it from `folder`; the control takes the picture's size.
    void SetPicture(const QString &folder, const QString &name);
    // The picture's image, or null when it could not be read.
    const QImage *Picture() const;

protected:
    void ReadOwnAttributes(const CXmlNode &element) override;
    QSize DefaultSize() const override;

private:
    QString m_pictureFolder;
    QString m_pictureName;
};

} // namespace dataConsole
