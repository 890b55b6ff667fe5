#pragma once
// Containers of the form: group boxes, panels, scroll boxes for band strips, page controls and
// their sheets.

#include <QStackedWidget>
#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

class GroupBox : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit GroupBox(QWidget* parent = nullptr, ControlClass cls = ControlClass::GroupBox);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override;
  void SetCaptionColor(const QColor& color) override;
  void SetColors(const QColor& fill, const QColor& border);
  // Height of the caption strip at the top (0 without a caption).
  int CaptionHeight() const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QString caption_;
  QColor captionColor_;
  QColor fill_;
  QColor border_;
};

class Panel : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit Panel(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override { caption_ = text; }
  void SetFill(const QColor& color);

 protected:
  void mousePressEvent(QMouseEvent*) override;

 private:
  QString caption_;
};

// Holds band strips side by side in a wider contents widget; a pan bar moves the contents,
// the box itself draws no scroll bars.
class ScrollBox : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit ScrollBox(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QWidget* Contents() const { return contents_; }
  void SetContentsWidth(int width);
  // Shows the contents from x on (clamped so that no empty space shows at the right).
  void ScrollTo(int x);
  int ScrollX() const { return -contents_->x(); }

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  QWidget* contents_;
};

class TabSheet : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit TabSheet(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override;
  // Sheets of a page control inside a page draw a frame with their caption, like a group.
  void SetFramed(bool framed);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QString caption_;
  bool framed_ = false;
};

// The pages; tabs are not drawn (the tab buttons of the top bar choose the page).
class PageControl : public QStackedWidget, public Control {
  Q_OBJECT
 public:
  explicit PageControl(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  int ActivePageIndex() const { return currentIndex(); }
  void SetActivePageIndex(int index) { setCurrentIndex(index); }
  TabSheet* Sheet(int index) const;
};

}  // namespace morvelin
