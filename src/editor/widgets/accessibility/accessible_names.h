#pragma once
// Where the accessible name of a form control comes from. Most controls are named by something
// else on the form: a slider by the label of its line, a band's edit by the band title and the
// row caption, a readout by the label of its line. The form links them through dynamic
// properties of the control's widget, so that the names are read from the captions at the time
// they are asked for and follow the language switch.

#include <QString>

class QObject;
class QWidget;

namespace morvelin::a11y {

// QObject* properties of a control's widget.
inline constexpr char kLabelProperty[] = "morvelinAccessibleLabel";      // the label naming it
inline constexpr char kBandProperty[] = "morvelinAccessibleBand";        // the band's title label
inline constexpr char kFieldProperty[] = "morvelinAccessibleField";      // the band row's caption
inline constexpr char kReadoutProperty[] = "morvelinAccessibleReadout";  // the control showing its value
// bool: a button of a group or with an on/off state (its pressed look is its state).
inline constexpr char kTwoStateProperty[] = "morvelinAccessibleTwoState";
// int on the top-level window: UiLanguage (1 Chinese, 0 English); Chinese when unset.
inline constexpr char kLanguageProperty[] = "morvelinUiLanguage";

void Link(QWidget* control, const char* property, QObject* target);
QObject* Linked(const QWidget* control, const char* property);

// A caption as a name: without the dashes, colons and blanks that frame it on the form.
QString Trimmed(const QString& caption);
// The text a form control, Qt label or button shows, as it is (a value keeps its sign).
QString ShownText(const QObject* object);
// The same as a name: trimmed.
QString CaptionOf(const QObject* object);
int LanguageOf(const QWidget* widget);
// The text of a pair in the window's language.
QString InLanguageOf(const QWidget* widget, const char* chinese, const char* english);

enum class OwnCaption { Ignored, First };

// The control's name: the band and field, its own caption (when it names it), its label, the
// label left of it on its row, the caption of its group, and last its component name.
QString NameOf(const QWidget* control, OwnCaption own);

}  // namespace morvelin::a11y
