#include "shell/language_switch.h"

#include <QEvent>
#include <QMouseEvent>

#include "editor/editor_session.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/tab_switch.h"
#include "link/link_controller.h"
#include "link/status_texts.h"

namespace morvelin {

namespace {

struct PictureCaption {
  const char* button;
  const char* chinese;
  const char* english;
};

// Picture buttons keep a state or nothing in their hint: their captions come from here. The
// Chinese column is what the window is designed with, so that a switch there and back restores
// every caption (the Surround and Sub tabs, the DEQ type buttons). FormHintTabBtn is ours: the
// hidden-page tab would otherwise stay Chinese.
constexpr PictureCaption kPictureCaptions[] = {
    {"FormMusTabBtn", "音乐", "Music"},
    {"FormMICATabBtn", "麦克风", "MIC"},
    {"FormEFFTabBtn", "效果", "Effect"},
    {"FormMAINTabBtn", "主输出", "Main"},
    {"FormSUBTabBtn", "超低音", "Sub"},
    {"FormSURTabBtn", "后置", "Surround"},
    {"FormSysTabBtn", "系统", "System"},
    {"FormCENTabBtn", "中置输出", "Center"},
    {"FormHintTabBtn", "隐藏", "Hide"},
    {"EchoFormBtn", "回声+回声", "Echo+Echo"},
    {"RvbFormBtn", "回声+混响", "Echo+Rvb"},
    {"PinPPBtn", "频谱", "Spectrum"},
    {"PinDCFBtn", "低触发", "Normal"},
    {"SameBtn", "联调", "SYNC"},
    {"EQResetBtn", "EQ重置", "EQ Reset"},
    {"ManulModeBtn", "手动", "Manual"},
    {"AutoModeBtn", "自动", "Auto"},
    {"SingModeBtn", "唱歌", "Sing"},
    {"DiscoModeBtn", "热舞", "Disco"},
    {"CodeModeBtn", "解码", "decode"},
    {"SysLoadModeBtn", "调用设备模式", "Load Mode"},
    {"SysSaveModeBtn", "保存设备模式", "Save Mode"},
    {"RzBmpButton118", "确定", "OK"},
    {"RzBmpButton119", "上传数据到设备", "Load File data"},
    {"RzBmpButton120", "保存数据到电脑", "Save Data to PC"},
    {"SysVolRunBtn2", "启用", "Enable"},
    {"SysVolRunBtn1", "禁用", "Disable"},
    {"MainRmuteBtn", "右静音", "R Mute"},
    {"DEQTYpeOffBtn1", "Off", "Off"},
    {"DEQTYpeOffBtn2", "Off", "Off"},
    {"DEQTYpeOffBtn3", "Off", "Off"},
    {"DEQTYpeBelowBtn1", "Below", "Below"},
    {"DEQTYpeBelowBtn2", "Below", "Below"},
    {"DEQTYpeBelowBtn3", "Below", "Below"},
    {"DEQTYpeAboveBtn1", "Above", "Above"},
    {"DEQTYpeAboveBtn2", "Above", "Above"},
    {"DEQTYpeAboveBtn3", "Above", "Above"},
};

const QColor kReleasedCaption{243, 152, 0};

// Plain labels, push and tool buttons, group boxes and tab sheets exchange caption and hint.
bool Swapped(ControlClass cls) {
  switch (cls) {
    case ControlClass::Label:
    case ControlClass::PushButton:
    case ControlClass::ToolButton:
    case ControlClass::GroupBox:
    case ControlClass::TabSheet:
      return true;
    default:
      return false;
  }
}

}  // namespace

LanguageSwitch::LanguageSwitch(EditorSession& session, FormComponents& components, TabSwitch& tabs)
    : session_(session), comps_(components), tabs_(tabs) {
  connect(&session, &EditorSession::FormCreated, this, [this] { FormCreate(); });
  connect(&session, &EditorSession::LanguageChanged, this, [this](int lang) { Apply(lang); });
}

void LanguageSwitch::FormCreate() {
  if (button_) return;
  button_ = comps_.Get(handle::RzToolButton11);
  if (!button_) return;
  // The form hides it; without it the window could not be turned to English.
  button_->show();
  button_->installEventFilter(this);
  connect(button_, &BmpButton::Clicked, this, [this] { RzToolButton11Click(); });
}

void LanguageSwitch::RzToolButton11Click() {
  if (!button_) return;
  session_.SetLanguage(button_->Tag());
  EditorState& s = session_.State();
  s.PageAddress = tabs_.PageCaptions(s.CurrentTab);
  session_.RefreshPage(s.PageBlock);
}

void LanguageSwitch::RzToolButton11MouseUp() {
  if (button_) button_->SetCaptionColor(kReleasedCaption);
}

bool LanguageSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == button_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    RzToolButton11MouseUp();
  return QObject::eventFilter(watched, event);
}

void LanguageSwitch::Apply(int uiLanguage) {
  for (Control* c : comps_.InOrder()) {
    if (!Swapped(c->Class())) continue;
    const QString caption = c->Caption();
    c->SetCaption(c->Hint());
    c->SetHint(caption);
  }
  const bool zh = uiLanguage == 1;
  for (const PictureCaption& p : kPictureCaptions)
    if (Control* c = comps_.Find(QString::fromUtf8(p.button)))
      c->SetCaption(QString::fromUtf8(zh ? p.chinese : p.english));
  LinkController* link = session_.Link();
  if (Control* c = comps_.Find(QStringLiteral("LinkBtn"))) {
    const TextPair& text = link && link->LinkOnline() ? kLinkButtonPressed : kLinkButtonNormal;
    c->SetCaption(QString::fromUtf8(InLanguage(text, uiLanguage)));
  }
  // The language button offers the other language next time.
  if (button_) button_->SetTag(zh ? 0 : 1);
  // The status window's caption and wait text, and its copy of the status text.
  if (link) link->ApplyLanguage();
}

}  // namespace morvelin
