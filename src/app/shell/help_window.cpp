#include "shell/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/about_box.h"

// Resources of a static library are registered by hand.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace skelmora::app {

namespace {
// The topics in contents order; index.html is the contents page itself.
constexpr const char* kPages[] = {"index.html",        "overview.html", "views.html",
                                  "editing.html",      "files.html",    "hydrostatics.html",
                                  "drag.html",         "curves.html",   "hydro_curves.html",
                                  "draft.html",
                                  "loading.html",
                                  "exchange.html",
                                  "keyboard.html",     "howto.html"};
constexpr int kTopicRole = Qt::UserRole;
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitHelpResources();
  setWindowTitle(QStringLiteral("%1 Help").arg(QLatin1String(kProductTitle)));
  resize(900, 640);

  browser_ = new QTextBrowser;
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenLinks(true);

  tabs_ = new QTabWidget;
  contents_ = new QListWidget;
  tabs_->addTab(contents_, QStringLiteral("Contents"));

  auto* search = new QWidget;
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(new QLabel(QStringLiteral("Type a word, or pick one from the list:")));
  searchField_ = new QLineEdit;
  searchField_->setObjectName(QStringLiteral("SearchKey"));
  searchLayout->addWidget(searchField_);
  keywordList_ = new QListWidget;
  searchLayout->addWidget(keywordList_, 2);
  searchLayout->addWidget(new QLabel(QStringLiteral("Topics found:")));
  foundList_ = new QListWidget;
  searchLayout->addWidget(foundList_, 1);
  tabs_->addTab(search, QStringLiteral("Search"));

  auto* bar = new QToolBar;
  QAction* home = bar->addAction(QStringLiteral("Contents"));
  QAction* back = bar->addAction(QStringLiteral("Back"));
  QAction* forward = bar->addAction(QStringLiteral("Forward"));
  connect(home, &QAction::triggered, this, &HelpWindow::showContents);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  layout->addWidget(splitter);

  loadTopics();
  for (const Topic& topic : topics_) {
    auto* item = new QListWidgetItem(topic.title, contents_);
    item->setData(kTopicRole, topic.page);
  }
  auto showItem = [this](QListWidgetItem* item) {
    if (item) showTopic(item->data(kTopicRole).toString());
  };
  connect(contents_, &QListWidget::itemClicked, this, showItem);
  connect(contents_, &QListWidget::itemActivated, this, showItem);
  connect(foundList_, &QListWidget::itemActivated, this, showItem);
  connect(foundList_, &QListWidget::itemDoubleClicked, this, showItem);
  connect(searchField_, &QLineEdit::textChanged, this, &HelpWindow::fillKeywords);
  connect(keywordList_, &QListWidget::currentTextChanged, this, &HelpWindow::fillTopicsFor);
  fillKeywords({});
}

void HelpWindow::loadTopics() {
  static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"));
  static const QRegularExpression keywords(
      QStringLiteral("<meta name=\"keywords\" content=\"([^\"]*)\">"));
  for (const char* page : kPages) {
    QFile file(QStringLiteral(":/help/%1").arg(QLatin1String(page)));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString html = QString::fromUtf8(file.readAll());
    Topic topic;
    topic.page = QLatin1String(page);
    topic.title = title.match(html).captured(1);
    for (const QString& word : keywords.match(html).captured(1).split(QLatin1Char(','))) {
      if (!word.trimmed().isEmpty()) topic.keywords << word.trimmed();
    }
    QTextDocument document;
    document.setHtml(html);
    topic.text = document.toPlainText();
    topics_ << topic;
  }
}

QStringList HelpWindow::topicPages() const {
  QStringList pages;
  for (const Topic& topic : topics_) pages << topic.page;
  return pages;
}

QStringList HelpWindow::findTopics(const QString& key) const {
  const QString wanted = key.trimmed();
  QStringList pages;
  if (wanted.isEmpty()) return pages;
  for (const Topic& topic : topics_) {
    for (const QString& keyword : topic.keywords) {
      if (keyword.startsWith(wanted, Qt::CaseInsensitive)) {
        pages << topic.page;
        break;
      }
    }
  }
  if (!pages.isEmpty()) return pages;
  const QStringList words = wanted.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const Topic& topic : topics_) {
    bool all = true;
    for (const QString& word : words) all = all && topic.text.contains(word, Qt::CaseInsensitive);
    if (all) pages << topic.page;
  }
  return pages;
}

void HelpWindow::fillKeywords(const QString& key) {
  QStringList all;
  for (const Topic& topic : topics_) all << topic.keywords;
  all.removeDuplicates();
  all.sort(Qt::CaseInsensitive);
  keywordList_->clear();
  for (const QString& keyword : all) {
    if (keyword.startsWith(key.trimmed(), Qt::CaseInsensitive)) keywordList_->addItem(keyword);
  }
  if (keywordList_->count() > 0 && !key.trimmed().isEmpty()) {
    keywordList_->setCurrentRow(0);
  } else {
    fillTopicsFor(key);
  }
}

void HelpWindow::fillTopicsFor(const QString& keyword) {
  foundList_->clear();
  for (const QString& page : findTopics(keyword)) {
    for (const Topic& topic : topics_) {
      if (topic.page != page) continue;
      auto* item = new QListWidgetItem(topic.title, foundList_);
      item->setData(kTopicRole, page);
    }
  }
}

void HelpWindow::bringUp() {
  show();
  raise();
  activateWindow();
}

void HelpWindow::showTopic(const QString& page) {
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/%1").arg(page)));
  bringUp();
}

void HelpWindow::showContents() {
  tabs_->setCurrentIndex(0);
  showTopic(QStringLiteral("index.html"));
}

void HelpWindow::showSearch() {
  tabs_->setCurrentIndex(1);
  searchField_->clear();
  bringUp();
  searchField_->setFocus();
}

void HelpWindow::showHowToUse() {
  tabs_->setCurrentIndex(0);
  showTopic(QStringLiteral("howto.html"));
}

}  // namespace skelmora::app
