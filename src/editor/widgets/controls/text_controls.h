#pragma once
// Labels, read-only value panes and edit boxes of the form.

#include <QLabel>
#include <QLineEdit>

#include "editor/widgets/controls/control.h"

namespace morvelin {

// A plain or styled label; clickable (band titles and band-type labels are clicked).
class Label : public QLabel, public Control {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr, ControlClass cls = ControlClass::Label);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  void SetCaptionColor(const QColor& color) override;
  // A filled background; an invalid colour makes the label transparent again.
  void SetBackground(const QColor& color);
  QColor Background() const { return background_; }
  // Draws the text with a contrasting outline, legible on any background.
  void SetHalo(bool on);

 signals:
  void Clicked();
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  QColor background_;
  bool halo_ = false;
};

// A sunken read-only pane showing a value in units.
class StatusPane : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit StatusPane(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override;
  void SetCaptionColor(const QColor& color) override;

  // Room for the text between the frame and the margins, and the width that gives a text that room.
  int TextRoom() const { return width() - 2 * kTextInset; }
  static int WidthForText(int textWidth) { return textWidth + 2 * kTextInset; }

 signals:
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  static constexpr int kTextInset = 4;  // one pixel of frame, three of breathing space
  QString caption_;
  QColor color_;
};

// A one-line edit box; its background marks the band edit being worked on.
class Edit : public QLineEdit, public Control {
  Q_OBJECT
 public:
  explicit Edit(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  void SetBackground(const QColor& color);
  QColor Background() const { return background_; }

 signals:
  void Clicked();
  void Exited();

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  QColor background_;
};

}  // namespace morvelin
