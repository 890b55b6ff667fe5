#include "shell/keyboard_access.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

#include "editor/editor_session.h"
#include "editor/page_tables.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/form_components.h"

namespace morvelin {

namespace {

constexpr int kPageKeys = 9;

bool TakesTab(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

ScrollBox* StripBoxOf(const QWidget* contents) {
  return contents ? dynamic_cast<ScrollBox*>(AsControl(contents->parentWidget())) : nullptr;
}

// The children of `parent` as they are read: band strips band by band, everything else in rows
// from the top, each row from the left. A widget belongs to the row of the first one when its
// top lies in that one's upper half.
std::vector<QWidget*> ReadingOrder(const QWidget* parent) {
  std::vector<QWidget*> kids;
  for (QObject* o : parent->children())
    if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow()) kids.push_back(static_cast<QWidget*>(o));
  auto byTop = [](const QWidget* a, const QWidget* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  };
  if (StripBoxOf(parent)) {
    std::stable_sort(kids.begin(), kids.end(), [&](const QWidget* a, const QWidget* b) {
      const int sa = a->x() / pages::strip::kWidth;
      const int sb = b->x() / pages::strip::kWidth;
      return sa != sb ? sa < sb : byTop(a, b);
    });
    return kids;
  }
  std::stable_sort(kids.begin(), kids.end(), byTop);
  for (auto row = kids.begin(); row != kids.end();) {
    const int rowEnd = (*row)->y() + (*row)->height() / 2;
    auto end = std::find_if(row + 1, kids.end(), [&](const QWidget* w) { return w->y() >= rowEnd; });
    std::stable_sort(row, end, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    row = end;
  }
  return kids;
}

void Collect(const QWidget* parent, std::vector<QWidget*>& chain) {
  for (QWidget* w : ReadingOrder(parent)) {
    if (TakesTab(w)) chain.push_back(w);
    // Qt's compound widgets (the grid) keep their own inner order.
    if (!TakesTab(w) || !AsControl(w)) Collect(w, chain);
  }
}

}  // namespace

KeyboardAccess::KeyboardAccess(EditorSession& session, FormComponents& components, QWidget& window)
    : comps_(components), window_(window) {
  connect(&session, &EditorSession::FormCreated, this, [this] { FormCreate(); });
  for (int n = 1; n <= kPageKeys; ++n) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n)), &window);
    connect(key, &QShortcut::activated, this, [this, n] { OpenPage(n); });
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ShowFocused(now); });
}

std::vector<QWidget*> KeyboardAccess::TabChain(QWidget& window) {
  std::vector<QWidget*> chain;
  Collect(&window, chain);
  return chain;
}

void KeyboardAccess::FormCreate() {
  if (ordered_) return;
  ordered_ = true;
  std::vector<QWidget*> chain = TabChain(window_);
  // A page switch parks the focus on the hidden stand-in edit: it sits just before the pages,
  // so that Tab goes on with the page's first control. Tab itself never stops there.
  if (QWidget* park = comps_.Widget(handle::Examplexx)) {
    park->setFocusPolicy(Qt::ClickFocus);
    std::erase(chain, park);
    QWidget* pages = comps_.Widget(handle::FormPageItem);
    auto first =
        std::find_if(chain.begin(), chain.end(), [&](QWidget* w) { return pages && pages->isAncestorOf(w); });
    chain.insert(first, park);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

bool KeyboardAccess::OpenPage(int n) {
  QWidget* bar = comps_.Widget(QStringLiteral("TopTileGrop"));
  if (!bar) return false;
  std::vector<BmpButton*> tabs;
  for (QObject* o : bar->children())
    if (auto* b = qobject_cast<BmpButton*>(o); b && !b->isHidden() && b->isEnabled()) tabs.push_back(b);
  std::stable_sort(tabs.begin(), tabs.end(),
                   [](const BmpButton* a, const BmpButton* b) { return a->x() < b->x(); });
  if (n < 1 || n > static_cast<int>(tabs.size())) return false;
  tabs[static_cast<std::size_t>(n - 1)]->Click();
  return true;
}

// A band strip outside its box's view is scrolled in, by the box's pan bar where it has one.
void KeyboardAccess::ShowFocused(QWidget* focused) {
  if (!focused || focused->window() != &window_) return;
  QWidget* contents = focused->parentWidget();
  ScrollBox* box = StripBoxOf(contents);
  if (!box) return;
  auto inView = [&] {
    const int left = focused->x() - box->ScrollX();
    return left >= 0 && left + focused->width() <= box->width();
  };
  if (inView()) return;
  const int left = focused->x() - box->ScrollX();
  const int strip = focused->x() / pages::strip::kWidth;
  const int visibleStrips = std::max(1, box->width() / pages::strip::kWidth);
  const int firstStrip = left < 0 ? strip : strip - visibleStrips + 1;
  for (const pages::StripRow& s : pages::StripRows()) {
    if (comps_.Widget(QString::fromUtf8(s.parent)) != box) continue;
    auto* pan = comps_.Get<TrackBar>(QString::fromUtf8(s.prefix) + "PanScrollBar");
    if (pan && !pan->isHidden()) pan->SetPosition(firstStrip);
  }
  if (!inView()) box->ScrollTo(firstStrip * pages::strip::kWidth);
}

}  // namespace morvelin
