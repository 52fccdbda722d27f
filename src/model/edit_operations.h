// The editor's editing operations as commands made from a document's state: the same
// commands whichever window asks (the ribbon, the canvas, the preview's keys), so that every
// edit is one undo step of the document. Each returns null when there is nothing to do.
#pragma once

#include <QPoint>
#include <QString>
#include <QUndoCommand>

#include <memory>
#include <vector>

#include "model/arrange.h"
#include "model/control_list_command.h"

namespace korvane {

class CKorvaneDoc;

// Deletes the selection; a group takes the controls it holds with it.
std::unique_ptr<QUndoCommand> MakeDeleteCommand(CKorvaneDoc &doc);
// Moves the selection by whole console units, each control kept on the console. Locked
// controls move too. Presses of an arrow key on the same controls merge into one step.
std::unique_ptr<QUndoCommand> MakeNudgeCommand(CKorvaneDoc &doc, QPoint offset);
// Aligns, sizes or spreads the selection against its primary control.
std::unique_ptr<QUndoCommand> MakeArrangeCommand(CKorvaneDoc &doc, dataConsole::ArrangeOperation operation);
// Turns moving on the grid on or off; the flag is stored with the console.
std::unique_ptr<QUndoCommand> MakeToggleSnapCommand(CKorvaneDoc &doc);
// Gives each selected control its own design again, as after that design was edited.
std::unique_ptr<QUndoCommand> MakeReapplyDesignCommand(CKorvaneDoc &doc);

// A new control of `kind` (not a picture) with its top-left corner at `at` and its default
// size, drawn with the design named `designName` (empty: the default look).
std::unique_ptr<CControlListCommand> MakePlaceControlCommand(CKorvaneDoc &doc, int kind, QPoint at,
                                                             const QString &designName);
// A new picture showing the image file `name` of `folder` at its own size, at `at`.
std::unique_ptr<CControlListCommand> MakePlacePictureCommand(CKorvaneDoc &doc, QPoint at, const QString &folder,
                                                             const QString &name);

// The editor's clipboard of controls. Copies belong to no console: they carry their design
// by name, so that they outlive the console they were copied from and paste into any other.
class CControlClipboard
{
public:
    CControlClipboard();
    ~CControlClipboard();

    bool IsEmpty() const { return m_copies.empty(); }
    void Clear();
    // Copies the document's selection (without bindings, lock or identifier).
    void Copy(const CKorvaneDoc &doc);
    // Copies for `doc`, their designs found in its own designs first, then the library. They
    // land where the copied ones were; where that would put them exactly over controls still
    // there, they are moved on by a grid step until they can be seen.
    std::unique_ptr<CControlListCommand> MakePasteCommand(CKorvaneDoc &doc) const;

private:
    std::vector<std::unique_ptr<dataConsole::CCtrl__Base>> m_copies;
};

} // namespace korvane
