// The main window's command table as a user meets it: guards, what is
// marked as coming later, the shortcuts, the option switches, the window
// arrangement, printing, help and the design directory.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "files/design_dir_dialog.h"
#include "shell/help_window.h"
#include "shell_fixtures.h"
#include "views/view_window.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

class ShellCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // A dimmed item either waits for a state (history, attachments, a
  // highlight) or says which later version brings it; nothing is dimmed
  // without a reason and nothing "later" can be clicked.
  void wideWindowUsesTheSelectionCursor() {
    Shell shell;
    shell.form->resize(1500, 900);
    shell.form->show();
    QTRY_VERIFY(shell.form->views().body()->usesSelectCursor());
    shell.form->resize(800, 600);
    QTRY_VERIFY(!shell.form->views().body()->usesSelectCursor());
  }

  // The main window's views are the session's hooks: a change said through
  // the session repaints them, and the hook goes with the window.
  void sessionChangesRepaintTheViews() {
    Shell shell;
    QCOMPARE(shell.state.hooks, static_cast<ViewHooks*>(&shell.form->views()));
    QVERIFY(shell.open(shell.copyExample("runabout.s98")));
    shell.form->resize(1200, 800);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    ViewWindow* open = nullptr;
    for (ViewWindow* window : shell.form->views().all()) {
      if (window->isOpen()) open = window;
    }
    QVERIFY(open);
    PaintCounter paints(open);
    QTRY_VERIFY(paints.count > 0);
    QTest::qWait(50);
    paints.count = 0;
    shell.state.design.Net[2][2].x += 1.0f;
    shell.state.Regenerate(Change::kVertices);
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(SurfaceIsCurrent(shell.state.design, *shell.state.surface));
    shell.form.reset();
    QVERIFY(shell.state.hooks == nullptr);
  }

  void dimmedItemsSayWhy() {
    Shell shell;
    const QStringList stateful = {QStringLiteral("EditUndoItem"), QStringLiteral("undo_button"),
                                  QStringLiteral("drawkeel"),     QStringLiteral("DrawMarkers"),
                                  QStringLiteral("DrawRefHull"),  QStringLiteral("RemoveHighlight1"),
                                  QStringLiteral("CloseRefhull"), QStringLiteral("CloseMarkerFile1"),
                                  QStringLiteral("CloseKeelRudderFiles1")};
    int later = 0;
    for (QAction* action : shell.form->findChildren<QAction*>(QString(),
                                                              Qt::FindDirectChildrenOnly)) {
      if (action->objectName().isEmpty()) continue;
      QVERIFY2(!action->text().isEmpty(), qPrintable(action->objectName()));
      const bool saysLater = action->toolTip().contains(QLatin1String("later version"));
      if (saysLater) ++later;
      if (action->isEnabled()) {
        QVERIFY2(!saysLater, qPrintable(action->objectName()));
      } else {
        QVERIFY2(saysLater || stateful.contains(action->objectName()),
                 qPrintable(action->objectName()));
      }
    }
    QVERIFY(later > 0);  // the loop saw the notes it checks
  }

  void shortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("new") << QStringLiteral("FileNewItem") << QKeySequence(QKeySequence::New);
    QTest::newRow("open") << QStringLiteral("FileOpenItem") << QKeySequence(QKeySequence::Open);
    QTest::newRow("save") << QStringLiteral("FileSaveItem") << QKeySequence(QKeySequence::Save);
    QTest::newRow("undo") << QStringLiteral("EditUndoItem") << QKeySequence(QKeySequence::Undo);
    QTest::newRow("print") << QStringLiteral("FilePrintItem") << QKeySequence(QKeySequence::Print);
    QTest::newRow("exit") << QStringLiteral("FileExitItem") << QKeySequence(QStringLiteral("Ctrl+Q"));
  }
  void shortcuts() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);
    Shell shell;
    QCOMPARE(shell.form->command(name)->shortcut(), keys);
  }

  void ctrlOOpensTheOpenDialog() {
    Shell shell;
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    shell.form->activateWindow();
    QTest::keyClick(shell.form.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(shell.files.openRequests.size(), size_t{1});
  }

  void guardsWithoutADesignOrNet() {
    Shell shell;
    shell.form->trigger(QStringLiteral("Plan1"));
    QVERIFY(!shell.state.design.PlanViewOpen);
    shell.form->trigger(QStringLiteral("net_onoff"));
    QVERIFY(!shell.state.design.ShowVertexNet);

    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.state.design.ShowVertexNet = false;
    shell.form->trigger(QStringLiteral("HighlightColumn1"));
    QVERIFY(!shell.state.design.HighlightPending);
    shell.state.design.ShowVertexNet = true;
    shell.form->trigger(QStringLiteral("HighlightColumn1"));
    QVERIFY(shell.state.design.HighlightPending && shell.state.design.HighlightColumns);
    QVERIFY(shell.enabled("RemoveHighlight1"));
    shell.form->trigger(QStringLiteral("RemoveHighlight1"));
    QVERIFY(!shell.state.design.HighlightPending && !shell.state.design.HighlightColumns);
    shell.form->trigger(QStringLiteral("Zoomwindow1"));
    QVERIFY(shell.state.interaction.armed == ArmedMode::kZoomWindow);
  }

  void optionSwitches() {
    Shell shell;
    QAction* hull = shell.form->command(QStringLiteral("UpdateHull"));
    QAction* vertex = shell.form->command(QStringLiteral("UpdateVertex"));
    QVERIFY(hull->isChecked() && !vertex->isChecked());
    vertex->trigger();
    QVERIFY(!hull->isChecked() && vertex->isChecked());
    QVERIFY(!shell.state.interaction.realTimeHull);
    vertex->trigger();  // switching it off switches the other on
    QVERIFY(hull->isChecked() && shell.state.interaction.realTimeHull);

    shell.form->trigger(QStringLiteral("netwaterlines1"));
    QVERIFY(!shell.state.viewOptions.netRowLines);
    shell.form->trigger(QStringLiteral("drawnetcolumns1"));
    QVERIFY(!shell.state.viewOptions.netColumnLines);
    shell.form->trigger(QStringLiteral("LabelVertexRowsandColumns1"));
    QVERIFY(shell.state.viewOptions.vertexLabels);
  }

  void tileAndCascade() {
    Shell shell;
    shell.form->resize(1200, 800);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    QMdiArea* area = shell.form->clientArea();
    QCOMPARE(area->subWindowList().size(), 4);
    auto overlapping = [area] {
      const QList<QMdiSubWindow*> windows = area->subWindowList();
      for (qsizetype i = 0; i < windows.size(); ++i) {
        for (qsizetype j = i + 1; j < windows.size(); ++j) {
          if (windows[i]->geometry().intersects(windows[j]->geometry())) return true;
        }
      }
      return false;
    };
    shell.form->trigger(QStringLiteral("WindowCascadeItem"));
    QVERIFY(overlapping());
    // Cascaded windows stay usable: at least half the area each, every
    // one stepped from the last so each caption shows.
    const QSize room = area->viewport()->size();
    QSet<int> lefts, tops;
    for (const QMdiSubWindow* window : area->subWindowList()) {
      QVERIFY2(window->width() >= room.width() / 2, qPrintable(window->windowTitle()));
      QVERIFY2(window->height() >= room.height() / 2, qPrintable(window->windowTitle()));
      QVERIFY(QRect(QPoint(), room).contains(window->geometry()));
      lefts << window->x();
      tops << window->y();
    }
    QCOMPARE(lefts.size(), 4);
    QCOMPARE(tops.size(), 4);
    shell.form->trigger(QStringLiteral("WindowTileItem"));
    QVERIFY(!overlapping());
  }

  void printsTheActiveViewToPdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      QSKIP("pdftotext is not installed");
    }
    QString pdf;
    int asked = 0;
    // The print dialog's part: the user picks "Print to File (PDF)".
    Shell shell([&](ShellServices& services) {
      services.printDialog = [&](QPrinter& printer, QWidget*) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
      };
    });
    pdf = shell.dir.filePath(QStringLiteral("view.pdf"));
    shell.form->trigger(QStringLiteral("FilePrintItem"));
    QCOMPARE(asked, 0);  // nothing to print without a design

    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    shell.form->resize(1200, 800);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    shell.form->trigger(QStringLiteral("Profile1"));
    shell.form->trigger(QStringLiteral("print_button"));
    QCOMPARE(asked, 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    // The PDF's font joins "fi", "ff" and the like into ligature glyphs;
    // compatibility normalisation splits them again.
    const QString printed = QString::fromUtf8(text.readAllStandardOutput())
                                .normalized(QString::NormalizationForm_KC);
    QVERIFY2(printed.contains(QStringLiteral("Profile View - ") + path), qPrintable(printed));
    QVERIFY(QFileInfo(pdf).size() > 5000);  // the drawing, not only the title
  }

  void help() {
    Shell shell;
    shell.form->trigger(QStringLiteral("HelpContentsItem"));
    HelpWindow* help = shell.form->helpWindow();
    QVERIFY(help->isVisible());
    QVERIFY(help->browser()->source().toString().endsWith(QLatin1String("index.html")));
    QVERIFY(help->browser()->toPlainText().contains(QLatin1String("Topics")));

    shell.form->trigger(QStringLiteral("HelpSearchItem"));
    QCOMPARE(help->tabs()->currentIndex(), 1);
    QVERIFY(help->searchField()->text().isEmpty());
    QVERIFY(help->findTopics(QStringLiteral("und")).contains(QStringLiteral("editing.html")));
    // No keyword "crosses": the text search finds the marker topic.
    QCOMPARE(help->findTopics(QStringLiteral("small crosses")),
             QStringList{QStringLiteral("files.html")});
    QVERIFY(help->findTopics(QStringLiteral("zzzz")).isEmpty());

    shell.form->trigger(QStringLiteral("HelpHowToUseItem"));
    QVERIFY(help->browser()->source().toString().endsWith(QLatin1String("howto.html")));
  }

  // Every page is a topic of the contents, the Calc windows have theirs,
  // and the mouse and printing texts say what the program does.
  void helpTopics() {
    Shell shell;
    HelpWindow* help = shell.form->helpWindow();
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList();
    for (const QString& page : pages) {
      QVERIFY2(help->topicPages().contains(page), qPrintable(page));
    }
    const std::pair<const char*, const char*> wanted[] = {{"hydrostatics", "hydrostatics.html"},
                                                          {"drag", "drag.html"},
                                                          {"curve of areas", "curves.html"},
                                                          {"draft", "draft.html"},
                                                          {"CADKEY", "exchange.html"},
                                                          {"print offsets", "exchange.html"}};
    for (const auto& [keyword, page] : wanted) {
      QVERIFY2(help->findTopics(QLatin1String(keyword)).contains(QLatin1String(page)), keyword);
    }
    auto text = [](const char* page) {
      QFile file(QStringLiteral(":/help/") + QLatin1String(page));
      return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QVERIFY(!text("keyboard.html").contains(QStringLiteral("to select it")));
    QVERIFY(text("keyboard.html").contains(QStringLiteral("Edit Vertex Data")));
    QVERIFY(!text("files.html").contains(QStringLiteral("chooses the printer")));
  }

  // Every help page on disk is compiled in, listed in the contents (the one
  // list the window's contents and search are made from) and found by each
  // of its keywords; the topics users look for by a word are found by it.
  void everyHelpPageIsReachableAndFound() {
    Shell shell;
    HelpWindow* help = shell.form->helpWindow();
    QStringList onDisk = QDir(QStringLiteral(SKELMORA_TESTS_DIR "/../src/app/help"))
                             .entryList({QStringLiteral("*.html")});
    QStringList compiled = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    QStringList listed = help->topicPages();
    QVERIFY(onDisk.size() > 10);
    onDisk.sort(), compiled.sort(), listed.sort();
    QCOMPARE(compiled, onDisk);
    QCOMPARE(listed, onDisk);

    static const QRegularExpression keywords(
        QStringLiteral("<meta name=\"keywords\" content=\"([^\"]*)\">"));
    for (const QString& page : onDisk) {
      QFile file(QStringLiteral(":/help/") + page);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString words = keywords.match(QString::fromUtf8(file.readAll())).captured(1);
      QVERIFY2(!words.trimmed().isEmpty(), qPrintable(page));
      for (const QString& word : words.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QVERIFY2(help->findTopics(word.trimmed()).contains(page),
                 qPrintable(page + ": " + word.trimmed()));
      }
    }
    const std::pair<const char*, const char*> wanted[] = {
        {"fair", "fairing.html"},           {"spreadsheet", "spreadsheet.html"},
        {"stability", "stability.html"},    {"criteria", "stability_results.html"},
        {"ballast", "stability.html"},      {"realistic", "realistic.html"},
        {"sailboat", "new_designs.html"},   {"brake horse power", "hydrostatics.html"},
        {"curvature", "fairing.html"},      {"righting arm", "stability_results.html"}};
    for (const auto& [word, page] : wanted) {
      QVERIFY2(help->findTopics(QLatin1String(word)).contains(QLatin1String(page)), word);
    }
  }

  void everyHelpLinkLeadsToAPage() {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : QDir(QStringLiteral(":/help")).entryList()) {
      QFile file(QStringLiteral(":/help/") + page);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString html = QString::fromUtf8(file.readAll());
      for (auto match = link.globalMatch(html); match.hasNext();) {
        const QString target = match.next().captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target),
                 qPrintable(page + " -> " + target));
      }
    }
  }

  void designDirectory() {
    Shell shell;
    HullDesign& design = shell.state.design;
    QTemporaryDir chosen;
    TDesignDirDlg* dialog = shell.form->designDirectoryDialog();
    // Picked, then cancelled: the pick stands.
    QTimer::singleShot(0, dialog, [dialog, &chosen] {
      dialog->selectDirectory(chosen.path());
      dialog->reject();
    });
    shell.form->trigger(QStringLiteral("SetDesignDirectory1"));
    QCOMPARE(QString::fromStdString(design.DesignDirectory), chosen.path() + QLatin1Char('/'));
    QSettings ini(shell.dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Design Directory/Directory")).toString(),
             chosen.path() + QLatin1Char('/'));

    // The next run starts its open dialog there.
    AppState state;
    ShellServices services;
    ScriptedFileChooser files;
    RecordingPrompter prompter;
    services.files = &files;
    services.prompter = &prompter;
    services.settingsFile = shell.dir.filePath(QStringLiteral("s.ini"));
    TMainForm next(state, services);
    next.trigger(QStringLiteral("FileOpenItem"));
    QCOMPARE(files.openRequests.at(0).directory, chosen.path() + QLatin1Char('/'));
  }
};

QTEST_MAIN(ShellCommandsTest)
#include "shell_commands_test.moc"
