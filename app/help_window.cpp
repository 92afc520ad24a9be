#include "app/help_window.h"

#include <QDir>
#include <QFileInfo>

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>

namespace qn::app {

namespace {
QString g_helpFile = QStringLiteral("QNRY.hlp");
QPointer<HelpWindow> g_instance;
} // namespace

void HelpWindow::setHelpFile(const QString& path)
{
    g_helpFile = path;
    if (g_instance)
        g_instance->load();
}

QString HelpWindow::helpFile() { return g_helpFile; }

QString HelpWindow::findHelpFile(const QString& exeFolder)
{
    const QDir folder(exeFolder);
    const QString beside = folder.filePath(QStringLiteral("QNRY.hlp"));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/quennary/QNRY.hlp")));
    return QFileInfo::exists(installed) ? installed : beside;
}

HelpWindow* HelpWindow::instance()
{
    if (!g_instance)
        g_instance = new HelpWindow;
    return g_instance;
}

void HelpWindow::closeHelp()
{
    if (g_instance)
        g_instance->close();
}

int HelpWindow::contextOf(QWidget* w, int fallbackPageContext)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        bool ok = false;
        const int c = p->property("helpContext").toInt(&ok);
        if (ok && c > 0)
            return c;
    }
    return fallbackPageContext > 0 ? fallbackPageContext : kMenuPage;
}

QHash<int, HelpWindow::Topic> HelpWindow::parse(const QString& text)
{
    static const QRegularExpression topicRe(QStringLiteral("<topic\\s+([^>]*)>(.*?)</topic>"),
                                            QRegularExpression::DotMatchesEverythingOption
                                                | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attrRe(QStringLiteral("(\\w+)\\s*=\\s*\"([^\"]*)\""));
    QHash<int, Topic> topics;
    for (auto it = topicRe.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        Topic t;
        bool idOk = false;
        for (auto a = attrRe.globalMatch(m.captured(1)); a.hasNext();) {
            const auto am = a.next();
            const QString key = am.captured(1).toLower();
            if (key == QLatin1String("id")) {
                t.id = am.captured(2).trimmed().toInt(&idOk);
                if (!idOk && am.captured(2).trimmed() == QLatin1String("contents")) {
                    t.id = 0;
                    idOk = true;
                }
            } else if (key == QLatin1String("title")) {
                t.title = am.captured(2).trimmed();
            } else if (key == QLatin1String("keywords")) {
                for (const QString& k : am.captured(2).split(QLatin1Char(','), Qt::SkipEmptyParts))
                    t.keywords << k.trimmed();
            }
        }
        if (!idOk)
            continue;
        t.body = m.captured(2).trimmed();
        topics.insert(t.id, t);
    }
    return topics;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quennary Help"));
    resize(560, 480);
    m_contents = new QPushButton(QStringLiteral("&Contents"), this);
    m_contents->setObjectName(QStringLiteral("btnContents"));
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("edtSearch"));
    m_searchEdit->setPlaceholderText(QStringLiteral("Search for a word"));
    auto* find = new QPushButton(QStringLiteral("&Search"), this);
    find->setObjectName(QStringLiteral("btnSearch"));
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setMaximumHeight(100);
    m_results->hide();
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenLinks(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_contents);
    top->addWidget(m_searchEdit, 1);
    top->addWidget(find);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_results);
    layout->addWidget(m_browser, 1);

    connect(m_contents, &QPushButton::clicked, this, [this] { showContents(); });
    connect(find, &QPushButton::clicked, this, [this] { runSearch(); });
    connect(m_searchEdit, &QLineEdit::returnPressed, this, [this] { runSearch(); });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { display(item->data(Qt::UserRole).toInt()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { display(item->data(Qt::UserRole).toInt()); });
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::anchorClicked);
    load();
}

void HelpWindow::load()
{
    m_topics.clear();
    QFile file(g_helpFile);
    m_loaded = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (m_loaded)
        m_topics = parse(QString::fromUtf8(file.readAll()));
    m_loaded = m_loaded && !m_topics.isEmpty();
    if (!m_loaded)
        m_browser->setHtml(QStringLiteral("<p>The help file QNRY.hlp could not be found.</p>"));
}

bool HelpWindow::hasContext(int context) const { return m_topics.contains(context); }

QString HelpWindow::topicTitle(int context) const { return m_topics.value(context).title; }

QString HelpWindow::topicBody(int context) const { return m_topics.value(context).body; }

QList<int> HelpWindow::topicIds() const
{
    QList<int> ids = m_topics.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> HelpWindow::search(const QString& keyword) const
{
    const QString k = keyword.trimmed();
    QList<int> found;
    if (k.isEmpty())
        return found;
    for (const Topic& t : m_topics) {
        bool hit = t.title.contains(k, Qt::CaseInsensitive);
        for (const QString& w : t.keywords)
            hit = hit || w.contains(k, Qt::CaseInsensitive);
        if (hit)
            found << t.id;
    }
    std::sort(found.begin(), found.end());
    return found;
}

void HelpWindow::display(int context)
{
    if (!m_loaded) {
        m_browser->setHtml(QStringLiteral("<p>The help file QNRY.hlp could not be found.</p>"));
        return;
    }
    if (!m_topics.contains(context))
        context = m_topics.contains(kMenuPage) ? kMenuPage : m_topics.begin().key();
    const Topic& t = m_topics[context];
    m_current = context;
    m_browser->setHtml(QStringLiteral("<h2>%1</h2>%2").arg(t.title.toHtmlEscaped(), t.body));
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContext(int context)
{
    display(context);
    show();
}

void HelpWindow::showContents()
{
    if (m_topics.contains(0)) {
        display(0);
        return;
    }
    // No contents topic in the file: list every topic instead.
    QString html = QStringLiteral("<h2>Contents</h2><ul>");
    for (int id : topicIds())
        html += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>")
                    .arg(id)
                    .arg(m_topics[id].title.toHtmlEscaped());
    html += QStringLiteral("</ul>");
    m_current = 0;
    if (m_loaded)
        m_browser->setHtml(html);
    show();
}

void HelpWindow::showSearch(const QString& keyword)
{
    m_searchEdit->setText(keyword);
    show();
    m_searchEdit->setFocus();
    if (!keyword.isEmpty())
        runSearch();
}

void HelpWindow::showHelpOnHelp() { showContext(kHelpOnHelp); }

void HelpWindow::runSearch()
{
    m_results->clear();
    const QList<int> ids = search(m_searchEdit->text());
    for (int id : ids) {
        auto* item = new QListWidgetItem(m_topics[id].title, m_results);
        item->setData(Qt::UserRole, id);
    }
    m_results->setVisible(!ids.isEmpty());
    if (ids.size() == 1)
        display(ids.front());
    else if (ids.isEmpty() && m_loaded)
        m_browser->setHtml(QStringLiteral("<p>No topic matches \"%1\".</p>")
                               .arg(m_searchEdit->text().toHtmlEscaped()));
}

void HelpWindow::anchorClicked(const QUrl& url)
{
    if (url.scheme() == QLatin1String("topic"))
        display(url.path().toInt());
}

} // namespace qn::app
