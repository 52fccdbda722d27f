// Numbers of the words the editor shows; the texts live in builtin_words.cpp.
#pragma once

namespace korvane::word {

inline constexpr int kOk = 6;
inline constexpr int kCancel = 7;
inline constexpr int kDate = 14;
inline constexpr int kTools = 16;
inline constexpr int kFile = 17;
inline constexpr int kSaveAs = 21;
inline constexpr int kFileAlreadyExists = 24;
inline constexpr int kCopy = 25;
inline constexpr int kPaste = 28;
inline constexpr int kDelete = 30;
inline constexpr int kZoom = 424;
inline constexpr int kOpen = 430;
inline constexpr int kErrorCaption = 525;
inline constexpr int kLanguage = 529;
inline constexpr int kAbout = 530;
inline constexpr int kHelpMenu = 534;
inline constexpr int kSize = 547;
inline constexpr int kSelect = 563;
inline constexpr int kSaveChangesPrompt = 659;
inline constexpr int kButton = 726;
inline constexpr int kPan = 1714;
inline constexpr int kTilt = 1715;
inline constexpr int kLock = 1886;
inline constexpr int kProperties = 2025;
inline constexpr int kPreview = 2531;
inline constexpr int kZoomIn = 2643;
inline constexpr int kZoomOut = 2644;
inline constexpr int kPositioning = 2906;
inline constexpr int kAlignLeft = 2907;
inline constexpr int kAlignRight = 2908;
inline constexpr int kAlignTop = 2909;
inline constexpr int kAlignBottom = 2910;
inline constexpr int kSameWidth = 2915;
inline constexpr int kSameHeight = 2916;
inline constexpr int kSameSize = 2917;
inline constexpr int kDrawingType = 2925;
inline constexpr int kDesign = 3191;
inline constexpr int kRoundSlider = 3192;
inline constexpr int kWrongFileHeader = 3193;
inline constexpr int kWrongFileVersion = 3194;
inline constexpr int kGroupOfButtons = 3714;
inline constexpr int kPlusMinusButton = 3715;

// The editor's additions: words the shared table has no number for, given free numbers kept
// together at its end (4167 to 4199). The property panel's captions come first: the range
// had reached the table's last number.
inline constexpr int kText = 4167;
inline constexpr int kFlashMode = 4168;
inline constexpr int kIgnoreMidiVelocityZero = 4169;
inline constexpr int kVelocitySentOn = 4170;
inline constexpr int kChannelSentOn = 4171;
inline constexpr int kVelocitySentOff = 4172;
inline constexpr int kChannelSentOff = 4173;
inline constexpr int kSendMidiFeedback = 4174;
inline constexpr int kFeedbackAllChildControls = 4175;
inline constexpr int kModeIncDec = 4176;
inline constexpr int kMidiDataForGroupIndex = 4177;
inline constexpr int kIncrement = 4178;
inline constexpr int kDecrement = 4179;
// Commands of the Qt editor that the original program took from its framework's own texts.
inline constexpr int kNew = 4180;
inline constexpr int kSave = 4181;
inline constexpr int kUndo = 4182;
inline constexpr int kRedo = 4183;
inline constexpr int kSelectAll = 4184;
inline constexpr int kPrint = 4185;
inline constexpr int kExit = 4186;
inline constexpr int kHelp = 4187;
// The MIDI learn dialog's words, then the texts of the property panel's lists.
inline constexpr int kMidiCommandSettings = 4188;
inline constexpr int kWaitingForMidiCommand = 4189;
inline constexpr int kUndefined = 4190;
inline constexpr int kNoteOnOff = 4191;
inline constexpr int kAllStatus = 4192;
inline constexpr int kNoCommand = 4193;
inline constexpr int kAllChannels = 4194;
inline constexpr int kChannel = 4195;
inline constexpr int kNotUsed = 4196;
inline constexpr int kNotAssigned = 4197;
inline constexpr int kUniverse = 4198;
inline constexpr int kTextProperties = 4199;

} // namespace korvane::word
