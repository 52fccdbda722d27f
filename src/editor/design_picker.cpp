// Choosing the design or picture of a new control.
#include "editor/design_picker.h"

#include <QDir>
#include <QInputDialog>

#include "design/data_ccd.h"
#include "model/console_data.h"

namespace korvane {

bool DesignOffersKind(const dataConsole::CDataCCD &design, int kind)
{
    using namespace dataConsole;
    switch (kind) {
    case kCtrlButton:
        return design.button.IsPresent();
    case kCtrlFaderHorz:
        return design.sliderHorz.IsPresent();
    case kCtrlFaderVert:
        return design.sliderVert.IsPresent();
    case kCtrlFaderRotary:
        return design.rotary.IsPresent();
    case kCtrlWheel:
        return design.wheel.IsPresent();
    case kCtrlGroupButtons:
        return design.groupButtons.IsPresent();
    case kCtrlGroupIncDec:
        return design.groupIncDec.IsPresent();
    default:
        return false;
    }
}

std::optional<QString> CListDesignPicker::ChooseDesign(QWidget *parent, int kind,
                                                       const dataConsole::CConsoleData &console)
{
    const QString defaultLook = QStringLiteral("(default look)");
    QStringList names;
    // The groups have no look without a design: they need one.
    const bool needsDesign = kind == dataConsole::kCtrlGroupButtons || kind == dataConsole::kCtrlGroupIncDec;
    if (!needsDesign)
        names << defaultLook;
    auto collect = [&](const dataConsole::CDesignList *list) {
        if (!list)
            return;
        for (const auto &design : *list) {
            if (DesignOffersKind(*design, kind) && !names.contains(design->Name(), Qt::CaseInsensitive))
                names << design->Name();
        }
    };
    collect(&console.Designs());
    collect(console.Library());
    if (names.isEmpty())
        return std::nullopt;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("Drawing type"), QStringLiteral("Design:"),
                                                 names, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return chosen == defaultLook ? QString() : chosen;
}

std::optional<QString> CListDesignPicker::ChoosePicture(QWidget *parent, const QString &folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.png"),
                                                      QStringLiteral("*.jpg")},
                                                     QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (names.isEmpty())
        return std::nullopt;
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, QStringLiteral("Picture"), QStringLiteral("Image:"), names, 0, false, &ok);
    return ok ? std::optional<QString>(chosen) : std::nullopt;
}

} // namespace korvane
