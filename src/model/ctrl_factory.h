// Making console controls by kind or by the tag of their element.
#pragma once

#include <memory>

#include "model/ctrl_base.h"

namespace dataConsole {

// The kind of a control element, its tag compared with letter case; -1 for any other name.
int KindOfTag(const char *tag);
// A control of `kind` read from `element` (or new, when null), in `parent` (ignored by the
// group kinds, which never start inside a group). Pictures need a folder and are made as
// CCtrl_Bitmap; null for them and for unknown kinds.
std::unique_ptr<CCtrl__Base> CreateControl(int kind, CConsoleData *console, const CXmlNode *element,
                                           CCtrl__Base *parent);

// A copy of `source` for `console` (or none, for the clipboard): same kind, the properties
// CopyFrom copies, outside any group. Bindings, values, the lock and the identifier are not
// copied. The design goes by name: a copy for a console takes the design of that name the
// console finds (its own designs first, then the library); a copy for no console keeps only
// the name, so that it outlives the console it was copied from.
std::unique_ptr<CCtrl__Base> CloneControl(const CCtrl__Base &source, CConsoleData *console);

} // namespace dataConsole
