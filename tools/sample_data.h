// The three parts of the sample application folder, written in this order: the designs,
// the pictures, then the consoles that use both.
#pragma once

#include <QString>

namespace samples {

// The designs of the sample folder, by file name; the consoles name them the same way.
namespace design {
inline constexpr char kButtonAmber[] = "Button_Amber.ccd";
inline constexpr char kButtonBlue[] = "Button_Blue.ccd";
inline constexpr char kButtonRed[] = "Button_Red.ccd";
inline constexpr char kButtonGo[] = "Button_Go.ccd";
inline constexpr char kFaderChannel[] = "Fader_Channel.ccd";
inline constexpr char kFaderMaster[] = "Fader_Master.ccd";
inline constexpr char kFaderCrossfade[] = "Fader_Crossfade.ccd";
inline constexpr char kKnob[] = "Knob_Effect.ccd";
inline constexpr char kWheelGobo[] = "Wheel_Gobo.ccd";
inline constexpr char kWheelColour[] = "Wheel_Colour.ccd";
inline constexpr char kScenePages[] = "Pages_Scene.ccd";
inline constexpr char kColourPresets[] = "Presets_Colour.ccd";
inline constexpr char kBankStepper[] = "Stepper_Bank.ccd";
} // namespace design

// The pictures of the "_background" folder.
namespace picture {
inline constexpr char kDefaultBackground[] = "ER_bg.bmp";
inline constexpr char kLogo[] = "korvane_logo.png";
inline constexpr char kStagePlan[] = "stage_plan.png";
inline constexpr char kClubTitle[] = "club_night.png";
} // namespace picture

// Each writer fills its folder under the application folder `appFolder` (created when
// missing) and throws std::runtime_error when something cannot be written or read back.
void WriteDesigns(const QString &appFolder);
void WritePictures(const QString &appFolder);
void WriteConsoles(const QString &appFolder);

} // namespace samples
