// The bundled HTML help: a window with a contents list, a keyword search
// and the topic browser. Help › Contents, Search and How to Use open it.
#pragma once

#include <QMap>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace skelmora::app {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void showContents();
  // The keyword search with an empty key.
  void showSearch();
  void showHowToUse();
  // A topic by file name ("files.html").
  void showTopic(const QString& page);

  // The topics whose keywords start with key (case-insensitive); when none
  // does, the topics whose text holds every word of key.
  QStringList findTopics(const QString& key) const;
  // The pages of the contents, in order.
  QStringList topicPages() const;
  QTextBrowser* browser() const { return browser_; }
  QTabWidget* tabs() const { return tabs_; }
  QLineEdit* searchField() const { return searchField_; }

 private:
  struct Topic {
    QString page;
    QString title;
    QStringList keywords;
    QString text;  // plain text, for the fallback search
  };
  void loadTopics();
  void fillKeywords(const QString& key);
  void fillTopicsFor(const QString& keyword);
  void bringUp();

  QList<Topic> topics_;
  QTabWidget* tabs_ = nullptr;
  QListWidget* contents_ = nullptr;
  QLineEdit* searchField_ = nullptr;
  QListWidget* keywordList_ = nullptr;
  QListWidget* foundList_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace skelmora::app
