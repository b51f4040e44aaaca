// The options dialog's controls: the page list, the four pages and the buttons, with the
// captions and tooltips they are designed with (the language replaces them).
#include "desktop/FrmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name, const char* toolTip = nullptr)
{
    widget->setObjectName(QLatin1String(name));
    if (toolTip)
        widget->setToolTip(QLatin1String(toolTip));
    return widget;
}

QCheckBox* Check(const char* name, const char* caption, const char* toolTip = nullptr)
{
    return Named(new QCheckBox(QLatin1String(caption)), name, toolTip);
}

QLabel* Label(const char* name, const char* caption, QWidget* buddy)
{
    auto* label = Named(new QLabel(QLatin1String(caption)), name);
    label->setBuddy(buddy);
    return label;
}

QComboBox* Combo(const char* name, std::initializer_list<const char*> items)
{
    auto* combo = Named(new QComboBox, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const char* item : items)
        combo->addItem(QLatin1String(item));
    return combo;
}

// A percent field: a short number, a minus sign allowed so that the check can correct it.
QLineEdit* Percent(const char* name, const char* toolTip)
{
    auto* field = Named(new QLineEdit, name, toolTip);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,4}(\\.\\d{0,2})?")), field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    field->setAlignment(Qt::AlignRight);
    return field;
}

// A page: the controls from top to bottom; its tag is the help topic.
QWidget* Page(int index, std::initializer_list<QObject*> rows)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page"));
    page->setProperty("index", index);
    page->setProperty("tag", QStringLiteral("options"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QObject* row : rows) {
        if (auto* widget = qobject_cast<QWidget*>(row))
            layout->addWidget(widget);
        else if (auto* inner = qobject_cast<QLayout*>(row))
            layout->addLayout(inner);
    }
    layout->addStretch(1);
    return page;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, int stretchIndex = -1)
{
    auto* row = new QHBoxLayout;
    int i = 0;
    for (QWidget* widget : widgets)
        row->addWidget(widget, i++ == stretchIndex ? 1 : 0);
    if (stretchIndex < 0)
        row->addStretch(1);
    return row;
}

}  // namespace

QWidget* FrmOptions::BuildGeneralPage()
{
    m_cmbStartUp = Combo("cmbStartUp", {"Show Welcome Screen", "Show Media Browser", "Open the Last Movie!"});
    m_cmbCache = Combo("cmbCache", {"Don't Clear Cache Up", "Keep Thumbnails Only", "Clear Cache Up!"});
    auto* choices = new QGridLayout;
    choices->addWidget(Label("lblStartUp", "Action on Start Up:", m_cmbStartUp), 0, 0);
    choices->addWidget(m_cmbStartUp, 0, 1);
    choices->addWidget(Label("lblCache", "Clear Up on Exit:", m_cmbCache), 1, 0);
    choices->addWidget(m_cmbCache, 1, 1);
    choices->setColumnStretch(1, 1);
    m_chkInstance = Check("chkInstance", "One Instance of Vorlen Only", "Open new files using existing window");
    m_chkScreenSaver = Check("chkScreenSaver", "Temporarily Disable Screen Saver");
    m_txtMyFlash = Named(new QLineEdit, "txtMyFlash", "Your default folder with flash movies");
    m_cbFlash = Named(new QPushButton(QStringLiteral("...")), "cbFlash", "Choose a folder");
    m_cbFlash->setMaximumWidth(m_cbFlash->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    m_chkMyFlash = Check("chkMyFlash", "Use by Default for Browsing");
    return Page(0,
        {choices, m_chkInstance, m_chkScreenSaver, Label("lblMyFlash", "Ve Zedaz Folder:", m_txtMyFlash),
            Row({m_txtMyFlash, m_cbFlash}, 0), m_chkMyFlash});
}

QWidget* FrmOptions::BuildAppearancePage()
{
    m_chkWindow = Check("chkWindow", "Smoothly Colored Windows", "Draw gradient window background");
    m_txtFont = Named(new QLineEdit, "txtFont");
    m_txtFont->setReadOnly(true);
    m_cbFont = Named(new QPushButton(QStringLiteral("...")), "cbFont", "Choose font");
    m_cbFont->setMaximumWidth(m_cbFont->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    m_chkAnimation = Check("chkAnimation", "Animate Service Movies");
    m_chkCrop = Check("chkCrop", "Crop Movie Viewport");
    m_chkCentered = Check("chkCentered", "Center Player Window");
    m_chkMRU = Check("chkMRU", "Keep a List of Recent Files");
    return Page(1,
        {m_chkWindow, Label("lblFont", "Preferred Font:", m_txtFont), Row({m_txtFont, m_cbFont}, 0), m_chkAnimation, m_chkCrop,
            m_chkCentered, m_chkMRU});
}

QWidget* FrmOptions::BuildThumbnailsPage()
{
    m_chkHQShots = Check("chkHQShots", "High Quality Thumbnails");
    m_chkStore = Check("chkStore", "Save in Movie's Folder");
    m_txtQuality = Percent("txtQuality", "JPEG compression quality");
    m_txtFrom = Percent("txtFrom", "Minimum percent of the movie length");
    m_txtTo = Percent("txtTo", "Maximum percent of the movie length");
    auto* numbers = new QGridLayout;
    numbers->addWidget(Label("lblQuality", "JPEG Quality:", m_txtQuality), 0, 0);
    numbers->addLayout(Row({m_txtQuality, new QLabel(QStringLiteral("%"))}), 0, 1);
    numbers->addWidget(Label("lblRange", "Sample Range:", m_txtFrom), 1, 0);
    numbers->addLayout(Row({m_txtFrom, new QLabel(QStringLiteral("\u2013")), m_txtTo, new QLabel(QStringLiteral("%"))}), 1, 1);
    numbers->setColumnStretch(1, 1);
    return Page(2, {m_chkHQShots, m_chkStore, numbers});
}

QWidget* FrmOptions::BuildAdvancedPage()
{
    m_chkFSCommand = Check("chkFSCommand", "Listen to FS Commands", "Let some movies control player");
    m_chkProjector = Check("chkProjector", "Skip Doubtful Projectors");
    m_chkRemoveProj = Check("chkRemoveProj", "Replace Projectors with Movies They Contain");
    m_chkAssoc = Check("chkAssoc", "Set as Default Flash Player");
    return Page(3, {m_chkFSCommand, m_chkProjector, m_chkRemoveProj, m_chkAssoc});
}

void FrmOptions::BuildPages()
{
    m_pageList = Named(new QListWidget, "lstPages");
    m_pageList->setIconSize(QSize(24, 24) * m_pageList->fontMetrics().height() / 16);
    m_pageList->setSpacing(2);
    m_pageList->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pages = new QStackedWidget;
    m_pages->addWidget(BuildGeneralPage());
    m_pages->addWidget(BuildAppearancePage());
    m_pages->addWidget(BuildThumbnailsPage());
    m_pages->addWidget(BuildAdvancedPage());

    m_cbOK = Named(new QPushButton(QStringLiteral("Save")), "cbOK");
    m_cbOK->setDefault(true);
    m_cbCancel = Named(new QPushButton(QStringLiteral("Cancel")), "cbCancel");
    m_cbHelp = Named(new QPushButton(QStringLiteral("Help")), "cbHelp");
    m_cbHelp->setAutoDefault(false);
    m_cbCancel->setAutoDefault(false);

    auto* body = new QHBoxLayout;
    body->addWidget(m_pageList);
    body->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cbHelp);
    buttons->addStretch(1);
    buttons->addWidget(m_cbOK);
    buttons->addWidget(m_cbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}
