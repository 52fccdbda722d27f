// What the readers and writers of the design's parts share: the element names of the design
// file and the way its attributes are read and written.
#pragma once

#include <QSize>
#include <QString>

#include <cstdint>

#include "design/data_ccd.h"
#include "xml/xml_node.h"

namespace dataConsole::ccdFile {

inline constexpr char kRotaryElement[] = "RotSlider";
inline constexpr char kSliderVertElement[] = "LinearSliderVert";
inline constexpr char kSliderHorzElement[] = "LinearSliderHori";
inline constexpr char kButtonElement[] = "Button";
inline constexpr char kWheelElement[] = "Wheel";
inline constexpr char kIncDecElement[] = "GroupIncDec";
inline constexpr char kGroupButtonsElement[] = "GroupButtons";

// The older keys, still read before the current ones so that the current key wins.
inline constexpr char kOldImageKey[] = "ico";
inline constexpr char kOldSecondImageKey[] = "ico_sel";
inline constexpr char kOldButtonOnKey[] = "ico_on";

inline bool IsEmpty(QSize size)
{
    return size.width() == 0 && size.height() == 0;
}

inline QSize MaxSize(QSize a, QSize b)
{
    return a.expandedTo(b);
}

// Integers and flags keep their current value when their key is missing.
inline void ReadInt(const CXmlNode &element, const char *key, int &field)
{
    std::int32_t value;
    if (element.GetAttributeInt(key, &value))
        field = value;
}

// A flag is set only by the value 1.
inline void ReadFlag(const CXmlNode &element, const char *key, bool &field)
{
    std::int32_t value;
    if (element.GetAttributeInt(key, &value))
        field = value == 1;
}

// A flag that is set exactly when the file says 1: a design written before the flag existed
// reads it as clear, whatever the part held before.
inline void ReadFlagOrClear(const CXmlNode &element, const char *key, bool &field)
{
    field = element.GetAttributeInt(key, 0) == 1;
}

inline void WriteName(CXmlNode &element, const char *key, const ImageName &name)
{
    if (name)
        element.AddAttribute(key, *name);
}

// The design's own folder under the application folder first (the application's design
// folder when `designFolder` is empty), then the application's design folder.
CImageFolders FoldersOf(const QString &appFolder, const QString &designFolder);

} // namespace dataConsole::ccdFile
