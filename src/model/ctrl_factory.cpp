// The control factory.
#include "model/ctrl_factory.h"

#include <cstring>

#include "model/ctrl_bitmap.h"
#include "model/ctrl_button.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_label.h"
#include "model/ctrl_pads.h"
#include "model/ctrl_wheel.h"

namespace dataConsole {

int KindOfTag(const char *tag)
{
    if (!tag)
        return -1;
    for (int kind = 0; kind < kCtrlKindCount; ++kind) {
        if (std::strcmp(tag, CtrlTag(kind)) == 0)
            return kind;
    }
    return -1;
}

std::unique_ptr<CCtrl__Base> CreateControl(int kind, CConsoleData *console, CCtrlHost *host,
                                           const CXmlNode *element, CCtrl__Base *parent)
{
    switch (kind) {
    case kCtrlButton:
        return std::make_unique<CCtrl_Button>(console, host, element, parent);
    case kCtrlFaderHorz:
        return std::make_unique<CCtrl_FaderHorz>(console, host, element, parent);
    case kCtrlFaderVert:
        return std::make_unique<CCtrl_FaderVert>(console, host, element, parent);
    case kCtrlFaderRotary:
        return std::make_unique<CCtrl_FaderRotary>(console, host, element, parent);
    case kCtrlGroupButtons:
        return std::make_unique<CCtrl_GroupButtons>(console, host, element);
    case kCtrlGroupIncDec:
        return std::make_unique<CCtrl_GroupIncDec>(console, host, element);
    case kCtrlWheel:
        return std::make_unique<CCtrl_Wheel>(console, host, element, parent);
    case kCtrlLabel:
        return std::make_unique<CCtrl_Label>(console, host, element, parent);
    case kCtrlTrichro:
        return std::make_unique<CCtrl_Trichro>(console, host, element, parent);
    case kCtrlPanTilt:
        return std::make_unique<CCtrl_PanTilt>(console, host, element, parent);
    default:
        return nullptr;
    }
}

} // namespace dataConsole

namespace dataConsole {

std::unique_ptr<CCtrl__Base> CloneControl(const CCtrl__Base &source, CConsoleData *console, CCtrlHost *host)
{
    std::unique_ptr<CCtrl__Base> copy;
    if (const auto *picture = dynamic_cast<const CCtrl_Bitmap *>(&source)) {
        auto bitmap = std::make_unique<CCtrl_Bitmap>(console, host, nullptr, QString());
        bitmap->CopyFrom(source);
        // The picture is loaded again for the console it now belongs to.
        bitmap->SetPicture(picture->PictureFolder(), picture->PictureName());
        bitmap->SetRect(source.Rect());
        copy = std::move(bitmap);
    } else {
        copy = CreateControl(source.Kind(), console, host, nullptr, nullptr);
        if (!copy)
            return nullptr;
        copy->CopyFrom(source);
        copy->SetDesign(source.Design());
        // CopyFrom takes the design's sizes back from the source: they win over the design's.
        copy->SetImageSize(source.StoredImageSize());
    }
    copy->SetParentGroup(nullptr);
    return copy;
}

} // namespace dataConsole
