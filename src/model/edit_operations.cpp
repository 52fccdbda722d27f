// Editing operations made into commands.
#include "model/edit_operations.h"

#include <algorithm>

#include "model/ctrl_bitmap.h"
#include "model/ctrl_factory.h"
#include "model/drag_geometry.h"
#include "model/geometry_command.h"
#include "model/korvane_doc.h"
#include "model/property_commands.h"

namespace korvane {

using dataConsole::CCtrl__Base;

namespace {

QSize ConsoleSize(const CKorvaneDoc &doc)
{
    return QSize(doc.Console().settings.width, doc.Console().settings.height);
}

bool IsGroup(const CCtrl__Base &control)
{
    return control.Kind() == dataConsole::kCtrlGroupButtons || control.Kind() == dataConsole::kCtrlGroupIncDec;
}

QString ArrangeText(dataConsole::ArrangeOperation operation)
{
    using Op = dataConsole::ArrangeOperation;
    switch (operation) {
    case Op::kAlignLeft:
        return QStringLiteral("Align left");
    case Op::kAlignRight:
        return QStringLiteral("Align right");
    case Op::kAlignTop:
        return QStringLiteral("Align tops");
    case Op::kAlignBottom:
        return QStringLiteral("Align bottoms");
    case Op::kSpreadVertically:
        return QStringLiteral("Spread vertically");
    case Op::kSpreadHorizontally:
        return QStringLiteral("Spread horizontally");
    case Op::kSameHeight:
        return QStringLiteral("Same height");
    case Op::kSameWidth:
        return QStringLiteral("Same width");
    case Op::kSameSize:
        return QStringLiteral("Same size");
    }
    return {};
}

std::unique_ptr<QUndoCommand> GeometryStep(CKorvaneDoc &doc, const QString &text,
                                           const std::vector<CCtrl__Base *> &controls,
                                           const std::vector<dataConsole::CCtrlGeometry> &after, int mergeId)
{
    std::vector<CGeometryCommand::Change> changes;
    for (std::size_t i = 0; i < controls.size() && i < after.size(); ++i)
        changes.push_back({controls[i], controls[i]->Geometry(), after[i]});
    auto command = std::make_unique<CGeometryCommand>(doc, text, std::move(changes), ConsoleSize(doc), mergeId);
    if (command->IsEmpty() && mergeId == kMergeNone)
        return nullptr;
    return command;
}

} // namespace

std::unique_ptr<QUndoCommand> MakeDeleteCommand(CKorvaneDoc &doc)
{
    std::vector<CCtrl__Base *> doomed = doc.Selection();
    if (doomed.empty())
        return nullptr;
    // A group's contents live inside it in the file: they go with it (undo brings all back).
    for (const CCtrl__Base *selected : doc.Selection()) {
        if (!IsGroup(*selected))
            continue;
        for (const auto &control : doc.Console().Controls()) {
            if (control->ParentGroup() == selected &&
                std::find(doomed.begin(), doomed.end(), control.get()) == doomed.end())
                doomed.push_back(control.get());
        }
    }
    return std::make_unique<CControlListCommand>(doc, QStringLiteral("Delete"), doomed);
}

std::unique_ptr<QUndoCommand> MakeNudgeCommand(CKorvaneDoc &doc, QPoint offset)
{
    const std::vector<CCtrl__Base *> &selection = doc.Selection();
    if (selection.empty())
        return nullptr;
    std::vector<dataConsole::CCtrlGeometry> after;
    for (const CCtrl__Base *control : selection) {
        dataConsole::CCtrlGeometry geometry = control->Geometry();
        geometry.rect = dataConsole::KeptOnConsole(geometry.rect.translated(offset), ConsoleSize(doc));
        after.push_back(geometry);
    }
    // Even a nudge against the edge is pushed: it merges with the presses before it.
    return GeometryStep(doc, QStringLiteral("Nudge"), selection, after, kMergeNudge);
}

std::unique_ptr<QUndoCommand> MakeArrangeCommand(CKorvaneDoc &doc, dataConsole::ArrangeOperation operation)
{
    const std::vector<CCtrl__Base *> &selection = doc.Selection();
    if (int(selection.size()) < dataConsole::MinimumSelection(operation))
        return nullptr;
    return GeometryStep(doc, ArrangeText(operation), selection,
                        dataConsole::ArrangedGeometry(selection, operation, ConsoleSize(doc)), kMergeNone);
}

std::unique_ptr<QUndoCommand> MakeToggleSnapCommand(CKorvaneDoc &doc)
{
    dataConsole::CConsoleSettings settings = doc.Console().settings;
    settings.snapToGrid = !settings.snapToGrid;
    return std::make_unique<CConsoleSettingsCommand>(doc, QStringLiteral("Snap moving on grid"), settings);
}

std::unique_ptr<QUndoCommand> MakeReapplyDesignCommand(CKorvaneDoc &doc)
{
    if (doc.Selection().empty())
        return nullptr;
    return std::make_unique<CDesignCommand>(doc, QStringLiteral("Apply design again"), doc.Selection(),
                                            std::nullopt);
}

std::unique_ptr<CControlListCommand> MakePlaceControlCommand(CKorvaneDoc &doc, int kind, QPoint at,
                                                             const QString &designName)
{
    dataConsole::CConsoleData &console = doc.Console();
    std::unique_ptr<CCtrl__Base> control = dataConsole::CreateControl(kind, &console, nullptr, nullptr);
    if (!control)
        return nullptr;
    control->SetRect(QRect(at, dataConsole::DefaultImageSize(kind)));
    if (!designName.isEmpty()) {
        QString name = designName;
        control->SetDesign(console.ResolveDesign(name));
        control->SetDesignName(name);
    }
    // The kinds drawn by a design (or the default look in its place) get their image and text
    // placed for the control's size; labels and the two pads keep theirs as they are made.
    const bool drawnByDesign = kind != dataConsole::kCtrlLabel && kind != dataConsole::kCtrlTrichro &&
                               kind != dataConsole::kCtrlPanTilt;
    if (drawnByDesign) {
        control->SetWidth(control->Rect().width(), true);
        control->SetHeight(control->Rect().height(), true);
    }
    std::vector<std::unique_ptr<CCtrl__Base>> controls;
    controls.push_back(std::move(control));
    return std::make_unique<CControlListCommand>(doc, QStringLiteral("Place control"), std::move(controls));
}

std::unique_ptr<CControlListCommand> MakePlacePictureCommand(CKorvaneDoc &doc, QPoint at, const QString &folder,
                                                             const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    auto picture = std::make_unique<dataConsole::CCtrl_Bitmap>(&doc.Console(), nullptr, folder);
    // A picture takes its image's size; this one stands when the image cannot be read.
    constexpr QSize kNewPictureSize(20, 20);
    picture->SetRect(QRect(at, kNewPictureSize));
    picture->SetPicture(folder, name);
    std::vector<std::unique_ptr<CCtrl__Base>> controls;
    controls.push_back(std::move(picture));
    return std::make_unique<CControlListCommand>(doc, QStringLiteral("Place picture"), std::move(controls));
}

// ---- clipboard

CControlClipboard::CControlClipboard() = default;
CControlClipboard::~CControlClipboard() = default;

void CControlClipboard::Clear()
{
    m_copies.clear();
}

void CControlClipboard::Copy(const CKorvaneDoc &doc)
{
    m_copies.clear();
    for (const CCtrl__Base *control : doc.Selection()) {
        if (std::unique_ptr<CCtrl__Base> copy = dataConsole::CloneControl(*control, nullptr))
            m_copies.push_back(std::move(copy));
    }
}

std::unique_ptr<CControlListCommand> CControlClipboard::MakePasteCommand(CKorvaneDoc &doc) const
{
    if (m_copies.empty())
        return nullptr;
    const dataConsole::CConsoleData &console = doc.Console();
    // Pasted exactly over what is still there, copies could not be told from the originals.
    auto hidesAControl = [&](QPoint offset) {
        for (const auto &copy : m_copies) {
            const QRect rect = copy->Rect().translated(offset);
            for (const auto &control : console.Controls())
                if (control->Rect() == rect)
                    return true;
            for (const auto &picture : console.Pictures())
                if (picture->Rect() == rect)
                    return true;
        }
        return false;
    };
    const int step = console.settings.gridSubStep > 0 ? console.settings.gridSubStep : dataConsole::kCanvasMargin;
    constexpr int kMostSteps = 100;
    QPoint offset;
    for (int i = 0; i < kMostSteps && hidesAControl(offset); ++i)
        offset += QPoint(step, step);

    // The copies join the console together: each takes an identifier none of the others has.
    const std::vector<int> ids = console.FreeIds(int(m_copies.size()));
    std::vector<std::unique_ptr<CCtrl__Base>> pasted;
    for (const auto &copy : m_copies) {
        std::unique_ptr<CCtrl__Base> control = dataConsole::CloneControl(*copy, &doc.Console());
        if (!control)
            continue;
        control->SetId(ids[pasted.size()]);
        control->SetRect(dataConsole::KeptOnConsole(control->Rect().translated(offset), ConsoleSize(doc)));
        pasted.push_back(std::move(control));
    }
    return std::make_unique<CControlListCommand>(doc, QStringLiteral("Paste"), std::move(pasted));
}

} // namespace korvane
