// Moves and resizes: of controls (a drag, an arrow key, an arrangement) and of the console.
#pragma once

#include <QSize>

#include <vector>

#include "model/ctrl_base.h"
#include "model/doc_command.h"

namespace korvane {

// New geometry for some controls and, perhaps, a new console size. Commands of one gesture
// (kMergeDrag with the same gesture) merge into one step while the mouse moves; arrow-key
// moves (kMergeNudge) of the same controls merge while the key is held.
class CGeometryCommand final : public CDocCommand
{
public:
    struct Change
    {
        dataConsole::CCtrl__Base *control;
        dataConsole::CCtrlGeometry before;
        dataConsole::CCtrlGeometry after;
    };

    CGeometryCommand(CKorvaneDoc &doc, const QString &text, std::vector<Change> changes, QSize consoleAfter,
                     int mergeId = kMergeNone, int gesture = 0);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;
    // Whether it changes nothing at all: a click without a drag is no step.
    bool IsEmpty() const;

private:
    void Apply(bool after);

    std::vector<Change> m_changes;
    QSize m_consoleBefore;
    QSize m_consoleAfter;
    int m_mergeId;
    int m_gesture;
};

} // namespace korvane
