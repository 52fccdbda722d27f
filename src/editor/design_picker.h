// What the canvas asks when a new control is placed: the design it is drawn with, or the
// picture a new picture control shows.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace dataConsole {
class CConsoleData;
class CDataCCD;
} // namespace dataConsole

namespace korvane {

// Whether a design defines the part a control of `kind` is drawn with.
bool DesignOffersKind(const dataConsole::CDataCCD &design, int kind);

class IDesignPicker
{
public:
    virtual ~IDesignPicker() = default;
    // The design file name for a new control of `kind`, empty for the default look; nothing
    // when the user cancels the placement.
    virtual std::optional<QString> ChooseDesign(QWidget *parent, int kind, const dataConsole::CConsoleData &console) = 0;
    // The picture file name (in `folder`) for a new picture control; empty or nothing when
    // none is chosen, which cancels the placement.
    virtual std::optional<QString> ChoosePicture(QWidget *parent, const QString &folder) = 0;
};

// A plain list of the designs that offer the kind (the console's own first, then the
// library's), and of the image files of the pictures folder.
class CListDesignPicker final : public IDesignPicker
{
public:
    std::optional<QString> ChooseDesign(QWidget *parent, int kind, const dataConsole::CConsoleData &console) override;
    std::optional<QString> ChoosePicture(QWidget *parent, const QString &folder) override;
};

} // namespace korvane
