// The control factory.
#include "model/ctrl_factory.h"

#include <cstring>

#include "model/console_data.h"
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

std::unique_ptr<CCtrl__Base> CreateControl(int kind, CConsoleData *console, const CXmlNode *element,
                                           CCtrl__Base *parent)
{
    switch (kind) {
    case kCtrlButton:
        return std::make_unique<CCtrl_Button>(console, element, parent);
    case kCtrlFaderHorz:
        return std::make_unique<CCtrl_FaderHorz>(console, element, parent);
    case kCtrlFaderVert:
        return std::make_unique<CCtrl_FaderVert>(console, element, parent);
    case kCtrlFaderRotary:
        return std::make_unique<CCtrl_FaderRotary>(console, element, parent);
    case kCtrlGroupButtons:
        return std::make_unique<CCtrl_GroupButtons>(console, element);
    case kCtrlGroupIncDec:
        return std::make_unique<CCtrl_GroupIncDec>(console, element);
    case kCtrlWheel:
        return std::make_unique<CCtrl_Wheel>(console, element, parent);
    case kCtrlLabel:
        return std::make_unique<CCtrl_Label>(console, element, parent);
    case kCtrlTrichro:
        return std::make_unique<CCtrl_Trichro>(console, element, parent);
    case kCtrlPanTilt:
        return std::make_unique<CCtrl_PanTilt>(console, element, parent);
    default:
        return nullptr;
    }
}

} // namespace dataConsole

namespace dataConsole {

std::unique_ptr<CCtrl__Base> CloneControl(const CCtrl__Base &source, CConsoleData *console)
{
    std::unique_ptr<CCtrl__Base> copy;
    if (const auto *picture = dynamic_cast<const CCtrl_Bitmap *>(&source)) {
        auto bitmap = std::make_unique<CCtrl_Bitmap>(console, nullptr, QString());
        bitmap->CopyFrom(source);
        // The picture is loaded again for the console it now belongs to.
        bitmap->SetPicture(picture->PictureFolder(), picture->PictureName());
        bitmap->SetRect(source.Rect());
        copy = std::move(bitmap);
    } else {
        copy = CreateControl(source.Kind(), console, nullptr, nullptr);
        if (!copy)
            return nullptr;
        copy->CopyFrom(source);
        QString name = source.DesignName();
        copy->SetDesign(console && !name.isEmpty() ? console->ResolveDesign(name) : nullptr);
        // A name the console does not know stays, as a console read from a file keeps it.
        copy->SetDesignName(name);
        // CopyFrom takes the design's sizes back from the source: they win over the design's.
        copy->SetImageSize(source.StoredImageSize());
    }
    copy->SetParentGroup(nullptr);
    return copy;
}

} // namespace dataConsole
