#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QLineEdit;
class QPushButton;
class QListWidget;

namespace qn::app {

// The program's help viewer. One window for the whole run, reading the topics of QNRY.hlp.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpOnHelp = 1;
    static constexpr int kMenuPage = 5;
    static constexpr int kGlossary = 5000;

    struct Topic {
        int id = 0;
        QString title;
        QStringList keywords;
        QString body;
    };

    static void setHelpFile(const QString& path);
    // "QNRY.hlp" beside the executable, else in ../share/quennary/ of an installation;
    // the path beside it when neither exists.
    static QString findHelpFile(const QString& exeFolder);
    static QString helpFile();
    static HelpWindow* instance();
    static void closeHelp();

    // Context of the focused control, else of its page, else of the menu page.
    static int contextOf(QWidget* w, int fallbackPageContext);

    void showContext(int context);
    void showContents();
    void showSearch(const QString& keyword = {});
    void showHelpOnHelp();

    bool loaded() const { return m_loaded; }
    bool hasContext(int context) const;
    QString topicTitle(int context) const;
    QList<int> topicIds() const;
    QString topicBody(int context) const;
    // Ids of the topics whose keywords or title contain keyword, case-insensitively.
    QList<int> search(const QString& keyword) const;
    int currentContext() const { return m_current; }

    // Parses the help text; returns the topics by id.
    static QHash<int, Topic> parse(const QString& text);

    explicit HelpWindow(QWidget* parent = nullptr);

private:
    void load();
    void display(int context);
    void runSearch();
    void anchorClicked(const QUrl& url);

    QHash<int, Topic> m_topics;
    bool m_loaded = false;
    int m_current = -1;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QListWidget* m_results = nullptr;
    QPushButton* m_contents = nullptr;
};

} // namespace qn::app
