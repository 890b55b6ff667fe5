// The EQ file menu of the response graph, on the whole program with the virtual unit.

#include "shell/eq_file_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "graphs/widgets/graph_image.h"
#include "params/scales.h"
#include "shell/shell_fixture.h"
#include "shell/undo_feature.h"

namespace morvelin {
namespace {

struct AnsweredDialogs : EqFileDialogs {
  QString save;
  QString open;
  bool confirm = true;
  std::optional<EqPreview> preview;
  QStringList notices;
  QString SaveFileName(QWidget*, const QString&) override { return save; }
  QString OpenFileName(QWidget*) override { return open; }
  bool ConfirmImport(QWidget*, const EqPreview& p, int) override {
    preview = p;
    return confirm;
  }
  void Notice(QWidget*, const QString& text) override { notices << text; }
};

struct EqFileMenuTest : ::testing::Test {
  test::Program p;
  AnsweredDialogs dialogs;
  QTemporaryDir tmp;

  void SetUp() override {
    p.Show();
    ASSERT_TRUE(p.WaitOnline());
    p.Main().Tabs().ClickTab(0);
    Menu().UseDialogs(dialogs);
  }
  EqFileMenu& Menu() { return p.app.Features().eqFiles; }
  const Image& Unit() { return p.app.Form3().DemoUnit()->Memory(); }
  QString Write(const char* name, const std::string& text) {
    const QString path = tmp.filePath(QString::fromUtf8(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
    return path;
  }
  // Lets the paced edits reach the unit.
  void Settle() {
    p.clock.RunUntil([&] { return p.Link().Queue().Empty() && p.Link().Flags().SendReady == 1; }, 5000);
    p.clock.Advance(100);
  }
};

TEST_F(EqFileMenuTest, MenuOnPagesWithBands) {
  std::unique_ptr<QMenu> menu(Menu().BuildMenu(nullptr));
  ASSERT_TRUE(menu);
  EXPECT_FALSE(menu->accessibleName().isEmpty());
  const auto actions = menu->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("导出EQ"));
  EXPECT_EQ(actions[1]->text(), QString::fromUtf8("导入EQ"));
  EXPECT_EQ(actions[0]->objectName(), "ExportEqAction");
  // The dynamic EQ page has no menu.
  p.Main().Tabs().ClickTab(1);
  EXPECT_EQ(std::unique_ptr<QMenu>(Menu().BuildMenu(nullptr)), nullptr);
}

// The right click reaches the graph through its image and opens the menu there.
TEST_F(EqFileMenuTest, ARightClickOnTheGraphOpensTheMenu) {
  ResponseGraph* graph = p.app.Features().graph.Graph();
  ASSERT_TRUE(graph);
  QWidget* image = graph->Image1();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 40), image->mapToGlobal(QPoint(40, 40)));
  QApplication::sendEvent(image, &event);
  QMenu* shown = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "EqFileMenu" && w->isVisible()) shown = qobject_cast<QMenu*>(w);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->actions().size(), 2);
  shown->close();
}

TEST_F(EqFileMenuTest, ExportWritesThePageAndImportSendsTheFileAfterThePreview) {
  dialogs.save = tmp.filePath("music.txt");
  ASSERT_TRUE(Menu().ExportEq());
  QFile exported(dialogs.save);
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  const QByteArray text = exported.readAll();
  EXPECT_TRUE(text.startsWith("# Morvelin EQ: page Music, channel left\nFilter 1: ON PK Fc "))
      << text.toStdString();

  std::string room = "Preamp: -2 dB\n";
  for (int n = 1; n <= 12; ++n)
    room +=
        "Filter " + std::to_string(n) + ": ON PK Fc " + std::to_string(150 * n) + " Hz Gain -2,2 dB Q 2\n";
  dialogs.open = Write("room.txt", room);
  const Image before = Unit();

  // Cancelled at the preview: nothing is sent.
  dialogs.confirm = false;
  EXPECT_FALSE(Menu().ImportEq());
  ASSERT_TRUE(dialogs.preview);
  EXPECT_GE(dialogs.preview->changes, 20);  // at least frequency and gain of ten bands
  EXPECT_GT(dialogs.preview->maxDifferenceDb, 0.0);
  EXPECT_LT(dialogs.preview->maxDifferenceDb, 3.0);
  EXPECT_NE(dialogs.preview->current, dialogs.preview->imported);
  EXPECT_TRUE(dialogs.preview->report.join('\n').contains("line 12: no band left"));
  Settle();
  EXPECT_EQ(Unit(), before);

  dialogs.confirm = true;
  ASSERT_TRUE(Menu().ImportEq());
  Settle();
  for (int band = 0; band < 10; ++band) {
    EXPECT_EQ(Unit()[0][BandWordIndex(10, band, 1)], FreqIndexOf(150.0 * (band + 1))) << band;
    EXPECT_EQ(Unit()[0][BandWordIndex(10, band, 2)], GainWordOf(-2.2)) << band;
  }
}

TEST_F(EqFileMenuTest, AnImportIsOneUndoStepThatBringsTheUnitBack) {
  UndoFeature& undo = p.app.Features().undo;
  const int stepsBefore = undo.Stack().count();
  std::string room;
  for (int n = 1; n <= 4; ++n)
    room += "Filter " + std::to_string(n) + ": ON PK Fc " + std::to_string(300 * n) + " Hz Gain -4 dB Q 2\n";
  dialogs.open = Write("four.txt", room);
  const Image before = Unit();
  ASSERT_TRUE(Menu().ImportEq());
  Settle();
  ASSERT_NE(Unit(), before);
  EXPECT_EQ(undo.Stack().count(), stepsBefore + 1);

  undo.Undo();
  Settle();
  EXPECT_EQ(Unit(), before);
  undo.Redo();
  Settle();
  EXPECT_EQ(Unit()[0][BandWordIndex(10, 0, 1)], FreqIndexOf(300.0));
  EXPECT_EQ(Unit()[0][BandWordIndex(10, 3, 2)], GainWordOf(-4.0));
}

TEST_F(EqFileMenuTest, BadFilesAreRefusedWithTheirLineAndLeaveTheUnitAlone) {
  const Image before = Unit();
  dialogs.open = Write("bad.txt", "Filter 1: ON PK Fc 100 Hz\n\nFilter 3: ON PK Fc 100 Hz Q zero\n");
  EXPECT_FALSE(Menu().ImportEq());
  EXPECT_FALSE(dialogs.preview);
  ASSERT_EQ(dialogs.notices.size(), 1);
  EXPECT_TRUE(dialogs.notices[0].contains(QString::fromUtf8("第3行"))) << dialogs.notices[0].toStdString();
  dialogs.open = tmp.filePath("missing.txt");
  EXPECT_FALSE(Menu().ImportEq());
  Settle();
  EXPECT_EQ(Unit(), before);

  dialogs.save = tmp.filePath("no/folder/x.txt");
  EXPECT_FALSE(Menu().ExportEq());
  EXPECT_EQ(dialogs.notices.size(), 3);
}

TEST(EqPreviewDialog, ControlsHaveAccessibleNames) {
  EqPreview preview;
  preview.title = "page Music, channel left";
  preview.maxDifferenceDb = 0.42;
  preview.report << "line 12: no band left";
  EqPreviewDialog dialog(preview, 0);
  int named = 0;
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    if (w->objectName().startsWith("EqPreview")) {
      EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
      ++named;
    }
  }
  EXPECT_GE(named, 6);
  auto* difference = dialog.findChild<QWidget*>("EqPreviewDifference");
  ASSERT_TRUE(difference);
  EXPECT_TRUE(difference->accessibleName().contains("0.42 dB"));
}

}  // namespace
}  // namespace morvelin
