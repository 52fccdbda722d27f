// What every edit of a console document shares: the base of its undo commands, and the ids
// by which the undo stack merges commands, all in one list.
#pragma once

#include <QUndoCommand>

#include "model/korvane_doc.h"

namespace korvane {

// The merge ids of every command that merges. A command merges only with one of its own id.
enum CommandMergeId : int {
    kMergeNone = -1,
    // moves and resizes of one drag of the mouse, the console's own size included
    kMergeDrag = 0x4B01,
    // arrow-key moves of the same controls
    kMergeNudge,
    // one property set again on the same controls (a spin box stepped, a colour tried)
    kMergeValue,
    // the console's settings set again (the same, for the console)
    kMergeConsoleSettings,
};

// A new number for one gesture of the user (a drag of the mouse): the commands it pushes
// merge into one step, and those of the next gesture start another.
int NewGesture();

// An edit of a console document. redo() does the work and undo() puts everything back; both
// end by announcing what they changed through the document.
class CDocCommand : public QUndoCommand
{
protected:
    CDocCommand(CKorvaneDoc &doc, const QString &text) : m_doc(doc) { setText(text); }

    CKorvaneDoc &m_doc;
};

} // namespace korvane
