#include "editor/widgets/page_builder.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/desk_style.h"
#include "editor/widgets/controls/led_progress.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/readout_width.h"
#include "params/block_table.h"

namespace morvelin {

using namespace pages;

ButtonLook LookOf(Look look) {
  ButtonLook l;
  switch (look) {
    case Look::Tab:
      l.normalTop = QColor(0xd2, 0xd2, 0xd2);
      l.normalBottom = QColor(0xa4, 0xa4, 0xa4);
      l.pressedTop = QColor(0xf7, 0xa8, 0x20);
      l.pressedBottom = QColor(0xc8, 0x74, 0x00);
      break;
    case Look::Phase:
      l.phaseGlyph = true;
      l.pressedTop = QColor(0x2c, 0x2c, 0x2c);
      l.pressedBottom = QColor(0x10, 0x10, 0x10);
      break;
    case Look::Window:
      l.normalTop = QColor(0x6a, 0x73, 0x7d);
      l.normalBottom = QColor(0x4a, 0x52, 0x5b);
      l.pressedTop = QColor(0x30, 0x36, 0x3c);
      l.pressedBottom = QColor(0x20, 0x24, 0x28);
      l.border = QColor(0x2a, 0x2e, 0x33);
      break;
    case Look::Tool:
      // Raised tool buttons carry orange captions: a dark face keeps them legible.
      l.normalTop = QColor(0x5e, 0x65, 0x6c);
      l.normalBottom = QColor(0x3e, 0x44, 0x4a);
      l.border = QColor(0x2a, 0x2e, 0x33);
      break;
    case Look::Led:
    case Look::Plain:
      break;
  }
  return l;
}

TrackBarLook ValueSliderLook() {
  return TrackBarLook{};
}

TrackBarLook GainSliderLook() {
  TrackBarLook l;
  l.grooveThickness = 4;
  l.thumbLength = 12;
  l.thumbWidth = 22;
  l.completed = QColor(0x4c, 0xc0, 0x5a);
  return l;
}

namespace {

constexpr int kLineHeight = 22;
constexpr int kSideW = 22;
constexpr int kGap = 4;
constexpr int kStripsInView = 10;
constexpr int kPaneFontSize = 12;
constexpr int kLabelFontSize = 12;
constexpr int kLabelSlack = 2;
constexpr int kLoosePaneW = 34;  // narrowest pane placed outside a group's lines

QString Text(const char* s) {
  return QString::fromUtf8(s);
}

class Builder {
 public:
  Builder(QWidget* client, FormComponents& components) : client_(client), comps_(components) {}

  QStringList Run() {
    for (const ControlRow& r : ControlRows()) Free(r);
    for (const LineRow& r : LineRows()) Line(r);
    for (const StripRow& r : StripRows()) Strips(r);
    return problems_;
  }

 private:
  bool GroupHasSideButtons(const QString& group) const {
    for (const LineRow& r : LineRows())
      if (r.side[0] && r.sideKind == Kind::BmpButton && group == QString::fromUtf8(r.group)) return true;
    return false;
  }

  // Groups stacked in one column of a page (same parent, left edge and width).
  bool SameColumn(const ControlRow& g, const ControlRow* o) const {
    return o && QByteArray(o->parent) == g.parent && o->at.x == g.at.x && o->at.w == g.at.w;
  }

  // The panes of a group line up, and so do those of the groups in its column: all are as wide as
  // the widest text any of them can show needs, and never narrower than the design.
  int PaneWidthOf(const ControlRow& g) {
    const QString key = Text(g.name);
    if (auto it = groupPaneW_.constFind(key); it != groupPaneW_.cend()) return *it;
    int w = g.paneW;
    for (const LineRow& r : LineRows()) {
      const ControlRow* o = groups_.value(Text(r.group), nullptr);
      if (r.pane[0] && SameColumn(g, o)) w = std::max({w, o->paneW, PaneWidthFor(r.paneKind)});
    }
    groupPaneW_.insert(key, w);
    return w;
  }

  // The label column takes the longest caption of the lines in either language; groups of one
  // column designed with the same label column keep it aligned.
  int LabelWidthOf(const ControlRow& g) {
    const QString key = Text(g.name);
    if (auto it = groupLabelW_.constFind(key); it != groupLabelW_.cend()) return *it;
    const QFontMetrics fm(desk::Font(kLabelFontSize));
    int w = g.labelW;
    for (const LineRow& r : LineRows()) {
      const ControlRow* o = groups_.value(Text(r.group), nullptr);
      if (!o || (o != &g && !(SameColumn(g, o) && o->labelW == g.labelW))) continue;
      for (const char* text : {r.zh, r.en}) w = std::max(w, fm.horizontalAdvance(Text(text)) + kLabelSlack);
    }
    groupLabelW_.insert(key, w);
    return w;
  }

  int PaneWidthFor(int kind) {
    if (auto it = kindPaneW_.constFind(kind); it != kindPaneW_.cend()) return *it;
    const int w = ReadoutPaneWidth(kind, desk::Font(kPaneFontSize));
    kindPaneW_.insert(kind, w);
    return w;
  }

  QWidget* ParentOf(const QString& name) {
    if (name.isEmpty()) return client_;
    Control* c = comps_.Find(name);
    if (!c) {
      problems_ << "unknown parent " + name;
      return client_;
    }
    if (auto* box = dynamic_cast<ScrollBox*>(c)) return box->Contents();
    return c->Widget();
  }

  // Names a new control, registers it and applies the common settings.
  template <class T>
  T* Register(T* control, const QString& name, const Rect& at, unsigned flags) {
    QWidget* w = control->Widget();
    w->setObjectName(name);
    w->setGeometry(at.x, at.y, at.w, at.h);
    if (flags & kHidden) w->hide();
    if (flags & kDisabled) w->setEnabled(false);
    if (!comps_.Add(control)) problems_ << "repeated name " + name;
    return control;
  }

  Control* Create(Kind kind, QWidget* parent, Look look) {
    switch (kind) {
      case Kind::Group:
        return new GroupBox(parent);
      case Kind::Panel:
        return new Panel(parent);
      case Kind::ScrollBox:
        return new ScrollBox(parent);
      case Kind::Pages: {
        auto* pages = new PageControl(parent);
        return pages;
      }
      case Kind::Sheet: {
        auto* sheet = new TabSheet;
        if (auto* pages = dynamic_cast<PageControl*>(parent)) {
          pages->addWidget(sheet);
          // Sheets inside a page (the effect EQs) draw a frame; the window's pages do not.
          sheet->SetFramed(pages->objectName() != "FormPageItem");
        } else {
          sheet->setParent(parent);
        }
        return sheet;
      }
      case Kind::Label:
        return new Label(parent, ControlClass::Label);
      case Kind::StyledLabel:
        return new Label(parent, ControlClass::StyledLabel);
      case Kind::Slider: {
        auto* t = new TrackBar(Qt::Horizontal, parent);
        t->SetLook(ValueSliderLook());
        return t;
      }
      case Kind::VSlider: {
        auto* t = new TrackBar(Qt::Vertical, parent);
        t->SetLook(GainSliderLook());
        return t;
      }
      case Kind::PanBar: {
        auto* t = new TrackBar(Qt::Horizontal, parent, ControlClass::ScrollBar);
        TrackBarLook l;
        l.thumbLength = 60;
        l.thumbWidth = 12;
        l.grooveThickness = 8;
        l.completed = l.groove;
        t->SetLook(l);
        return t;
      }
      case Kind::Pane:
        return new StatusPane(parent);
      case Kind::Edit:
        return new Edit(parent);
      case Kind::Spin:
        return new SpinButtons(parent);
      case Kind::Combo:
        return new ComboBox(parent);
      case Kind::BmpButton:
      case Kind::ToolButton:
      case Kind::PushButton: {
        const ControlClass cls = kind == Kind::BmpButton    ? ControlClass::BmpButton
                                 : kind == Kind::ToolButton ? ControlClass::ToolButton
                                                            : ControlClass::PushButton;
        auto* b = new BmpButton(parent, cls);
        b->SetLook(LookOf(look));
        if (look == Look::Tool) b->SetCaptionColor(desk::kOrange);
        return b;
      }
      case Kind::Progress:
        return new LedProgress(parent);
      case Kind::ListEditor:
        return new ListEditor(parent);
      case Kind::Image:
        return new ImageBox(parent);
    }
    return nullptr;
  }

  void Free(const ControlRow& r) {
    QWidget* parent = ParentOf(Text(r.parent));
    Control* c = Create(r.kind, parent, r.look);
    Register(c, Text(r.name), r.at, r.flags);
    c->SetTag(r.tag);
    c->SetHint(Text(r.hint));
    c->SetCaption(Text(r.caption));
    if (auto* label = dynamic_cast<Label*>(c)) {
      if (r.flags & kBold) label->setFont(desk::Font(12, true));
      if (r.flags & kCentered) label->setAlignment(Qt::AlignCenter);
      if (r.flags & kRightText) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (auto* edit = dynamic_cast<Edit*>(c); edit && (r.flags & kPassword))
      edit->setEchoMode(QLineEdit::Password);
    if (auto* combo = dynamic_cast<ComboBox*>(c)) Fill(combo, Items::None);
    if (auto* group = dynamic_cast<GroupBox*>(c); group && Text(r.name) == "FirstCheckGrop")
      group->SetColors(Qt::white, Qt::red);
    if (r.kind == Kind::Group) groups_.insert(Text(r.name), &r);
  }

  void Fill(ComboBox* combo, Items items) {
    for (std::string_view item : ItemTexts(items))
      combo->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
  }

  Label* MakeLabel(QWidget* parent, const QString& name, const char* zh, const char* en, const Rect& at,
                   unsigned flags) {
    auto* label = Register(new Label(parent), name, at, flags & kHidden);
    label->SetCaption(Text(zh));
    label->SetHint(Text(en));
    return label;
  }

  void Line(const LineRow& r) {
    const QString group = Text(r.group);
    QWidget* parent = ParentOf(group);
    const ControlRow* g = groups_.value(group, nullptr);
    const QString name = Text(r.name);
    Rect ctl;
    int right = 0;
    int paneW = 0;
    if (r.at.w > 0) {
      ctl = r.at;
      if (r.pane[0]) paneW = std::max(kLoosePaneW, PaneWidthFor(r.paneKind));
      right = r.at.x + r.at.w + (r.pane[0] ? kGap + paneW : 0);
    } else if (g) {
      paneW = PaneWidthOf(*g);
      const int labelW = LabelWidthOf(*g);
      auto* box = dynamic_cast<GroupBox*>(comps_.Find(group));
      const int top = (box ? box->CaptionHeight() : 0) + g->lineY + r.line * g->pitch;
      // Tightly pitched groups get lower lines rather than overlapping ones.
      const int lineH = std::min(kLineHeight, g->pitch - 1);
      if (r.zh[0] || r.labelName[0]) {
        const QString labelName = r.labelName[0] ? Text(r.labelName) : name + "Label";
        MakeLabel(parent, labelName, r.zh, r.en, Rect{g->lineX, top, labelW, lineH}, r.flags);
      }
      const int x = g->lineX + labelW + kGap;
      right = g->at.w - 6;
      ctl = Rect{x, top, right - x, lineH};
      // Panes line up in a group where some lines end in a button.
      if (GroupHasSideButtons(group)) ctl.w -= kSideW + kGap;
      if (r.pane[0]) ctl.w -= paneW + kGap;
    } else {
      problems_ << "line outside a group: " + name;
      return;
    }

    switch (r.kind) {
      case Kind::Slider: {
        auto* bar = Register(new TrackBar(Qt::Horizontal, parent), name, ctl, r.flags);
        bar->SetLook(ValueSliderLook());
        bar->SetRange(r.min, r.max);
        bar->SetPosition(r.def);
        bar->SetTag(r.address);
        bar->SetHint(Text(r.hint));
        break;
      }
      case Kind::Combo: {
        ctl.w = std::min(ctl.w, 170);
        auto* combo = Register(new ComboBox(parent), name, ctl, r.flags);
        Fill(combo, r.items);
        combo->SetTag(r.address);
        combo->SetHint(Text(r.hint));
        break;
      }
      case Kind::Edit: {
        ctl.w = std::min(ctl.w, r.side[0] ? 84 : 160);
        auto* edit = Register(new Edit(parent), name, ctl, r.flags);
        edit->SetTag(r.address == kNoAddress ? 0 : r.address);
        edit->SetHint(Text(r.hint));
        edit->setText(Text(r.text));
        if (r.max > 0) edit->setMaxLength(r.max);
        if (r.flags & kPassword) edit->setEchoMode(QLineEdit::Password);
        if (r.side[0] && r.sideKind == Kind::Spin) {
          auto* spin = Register(new SpinButtons(parent), Text(r.side),
                                Rect{ctl.x + ctl.w + 1, ctl.y, 14, ctl.h}, r.flags);
          spin->SetTag(r.sideAddress);
        }
        break;
      }
      default:
        problems_ << "unsupported line kind: " + name;
        return;
    }

    if (r.pane[0]) {
      const int x = ctl.x + ctl.w + kGap;
      auto* pane =
          Register(new StatusPane(parent), Text(r.pane), Rect{x, ctl.y, paneW, ctl.h}, r.flags & kHidden);
      pane->SetTag(r.address);
      pane->SetHint(r.paneKind >= 0 ? QString::number(r.paneKind) : QString());
      pane->setFont(desk::Font(kPaneFontSize));
    }
    if (r.side[0] && r.sideKind == Kind::BmpButton) {
      auto* side = Register(new BmpButton(parent), Text(r.side), Rect{right - kSideW, ctl.y, kSideW, ctl.h},
                            r.flags & kHidden);
      side->SetLook(LookOf(Look::Phase));
      side->SetTag(r.sideAddress);
      side->SetHint("0");
    }
  }

  void Strips(const StripRow& s) {
    for (int n = 1; n <= s.strips; ++n) {
      QWidget* parent = ParentOf(StripParentName(s.parent, n));
      const bool perBand = QByteArray(s.parent).contains("%d");
      const int x0 = s.x + (perBand ? 0 : (n - 1) * strip::kWidth);
      const int y0 = s.y;
      auto at = [&](const Rect& r) { return Rect{x0 + r.x, y0 + r.y, r.w, r.h}; };
      const int band = n - 1;
      const int word0 = BandWordIndex(s.first, band, 0);
      auto address = [&](int word) { return MakeAddress(s.block, word0 + word); };

      auto* title = Register(new Label(parent, ControlClass::StyledLabel), NumberedName(s.title, n),
                             at(strip::kTitle), 0);
      title->SetCaption(Text(s.titleText) + QString::number(n));
      title->setAlignment(Qt::AlignCenter);
      title->setFont(desk::Font(12, true));
      title->setCursor(Qt::PointingHandCursor);

      auto* gain =
          Register(new TrackBar(Qt::Vertical, parent), NumberedName(s.gainBar, n), at(strip::kGainBar), 0);
      gain->SetLook(GainSliderLook());
      gain->SetRange(0, 180);
      gain->SetPosition(120);
      gain->SetTag(address(2));

      static constexpr const char* kTypeText[] = {"BY", "P", "LS", "HS"};
      for (int slot = 0; slot < 4; ++slot) {
        const Rect r{2 + slot * (strip::kTypeLabelW + 1), strip::kTypeLabelsY, strip::kTypeLabelW,
                     strip::kTypeLabelH};
        auto* label = Register(new Label(parent, ControlClass::StyledLabel),
                               NumberedName(s.typeLabels[slot], n), at(r), 0);
        label->SetCaption(Text(kTypeText[slot]));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(desk::Font(10));
        label->SetBackground(desk::kTypeLabelOff);
        label->SetTag(address(0));
        label->SetHint(QString::number(slot));
        label->setCursor(Qt::PointingHandCursor);
      }

      auto edit = [&](const char* role, const Rect& r, const char* text, int word, const char* kind) {
        auto* e =
            Register(new Edit(parent), QString::fromUtf8(s.prefix) + role + QString::number(n), at(r), 0);
        e->setText(Text(text));
        e->SetTag(address(word));
        e->SetHint(Text(kind));
        e->setFont(desk::Font(11));
        return e;
      };
      edit("GainEdit", strip::kGainEdit, "-24.0", 2, "3");
      edit("QEdit", strip::kQEdit, "128.00", s.qSpinWord, "4");
      auto* spin = Register(new SpinButtons(parent), NumberedName(s.spin, n), at(strip::kQSpin), 0);
      spin->SetTag(address(s.qSpinWord));
      edit("FreEdit", strip::kFreqEdit, "20000", 1, "2");

      auto* list =
          Register(new ComboBox(parent), QString::fromUtf8(s.prefix) + "ModeBox" + QString::number(n),
                   at(strip::kTypeList), 0);
      Fill(list, Items::BandTypes);
      list->setFont(desk::Font(11));
      list->SetTag(address(0));
      list->SetHint("1");
    }

    // Row captions at the left of the strips, once per caption parent.
    const int captionParents = QByteArray(s.captionParent).contains("%d") ? s.strips : 1;
    for (int n = 1; n <= captionParents; ++n) {
      const QString parentName = StripParentName(s.captionParent, n);
      QWidget* parent = ParentOf(parentName);
      for (const StripCaption& c : StripCaptions()) {
        const QString name = QString::fromUtf8(s.prefix) + "RowCaption" + QString::number(c.y) +
                             (captionParents > 1 ? "_" + QString::number(n) : QString());
        auto* label = MakeLabel(parent, name, c.zh, c.en, Rect{s.captionX, s.captionY + c.y, 44, 19}, 0);
        label->setFont(desk::Font(11));
      }
    }

    // Strip boxes are as wide as their strips; the pan bar reaches the block's last band.
    if (auto* box = dynamic_cast<ScrollBox*>(comps_.Find(Text(s.parent))))
      box->SetContentsWidth(s.strips * strip::kWidth);
    if (auto* pan = dynamic_cast<TrackBar*>(comps_.Find(QString::fromUtf8(s.prefix) + "PanScrollBar")))
      pan->SetRange(0, std::max(0, s.bands - kStripsInView));
  }

  QWidget* client_;
  FormComponents& comps_;
  QHash<QString, const ControlRow*> groups_;
  QHash<QString, int> groupPaneW_;
  QHash<QString, int> groupLabelW_;
  QHash<int, int> kindPaneW_;
  QStringList problems_;
};

}  // namespace

QStringList BuildPages(QWidget* client, FormComponents& components) {
  return Builder(client, components).Run();
}

}  // namespace morvelin
