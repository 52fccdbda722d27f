// The designs kept in memory: the application's design library and each console's own list.
#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "design/data_ccd.h"

namespace dataConsole {

// An owning list of designs, in the order they were found.
using CDesignList = std::vector<std::unique_ptr<CDataCCD>>;

// Loads every "*.ccd" file (any letter case) of the application's design folder into
// `library`; designs that cannot be read are left out. Files are taken in name order so that
// the library is the same from one start to the next.
void FillDesignLibrary(CDesignList &library, const QString &appFolder);
// Loads the designs of the "_ccd" folder beside the console file `consolePath`; their images
// are looked for there first, then in the application's design folder under the console's
// own folder.
void FillConsoleDesignList(CDesignList &list, const QString &consolePath);
// The design a control names: the console's own list first, then the library, each in list
// order, without regard to case. Null when none matches.
CDataCCD *FindDesign(const CDesignList &consoleList, const CDesignList &library, const QString &fileName);
// FindDesign for a control being read: on a match, the control's stored name takes the
// design's own spelling, so that it is written back as the design file is named.
CDataCCD *ResolveDesign(const CDesignList &consoleList, const CDesignList &library, QString &storedName);

} // namespace dataConsole
