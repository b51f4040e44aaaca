#include "lang/TranslateForm.h"

#include "lang/Language.h"
#include "lang/UIFont.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kDesignText = "vorlenDesignText";
const char* const kDesignToolTip = "vorlenDesignToolTip";
const char* const kDesignItems = "vorlenDesignItems";

// The design value of a property, remembered the first time a language is applied.
QVariant Design(QObject* object, const char* property, const QVariant& current)
{
    const QVariant stored = object->property(property);
    if (stored.isValid())
        return stored;
    object->setProperty(property, current);
    return current;
}

QString Lookup(const QString& path, const QString& fallback)
{
    return GetXmlText(LangDoc().AsNode(), QStringLiteral("LANG/") + path, fallback);
}

// Controls of the window itself, as opposed to the parts Qt builds inside widgets.
bool IsControl(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// The skin's element arrays: they take the interface font, their texts come from the skin.
bool IsSkinArray(const QObject* object)
{
    return object->objectName() == QLatin1String("PIC") || object->objectName() == QLatin1String("LBL");
}

// The control part of a key: the upper-cased name, with "_" + index for an array member.
QString ControlKey(const QObject* object)
{
    const QString name = object->objectName();
    const QVariant index = object->property("index");
    return index.isValid() ? name.toUpper() + QLatin1Char('_') + QString::number(index.toInt()) : name.toUpper();
}

QString TranslatedText(QObject* object, const QString& key, const QString& current)
{
    return Lookup(key + QStringLiteral("/@text"), Design(object, kDesignText, current).toString());
}

void TranslateToolTip(QObject* object, const QString& key, const QString& current, void (*apply)(QObject*, const QString&))
{
    const QString tip = Lookup(key + QStringLiteral("/@tooltip"), Design(object, kDesignToolTip, current).toString());
    if (!tip.isEmpty())
        apply(object, tip);
}

// The interface font's name, and for labels its size too.
void ApplyUIFont(QWidget* widget)
{
    const QFont ui = UIQFont();
    QFont font = widget->font();
    font.setFamily(ui.family());
    if (qobject_cast<QLabel*>(widget))
        font.setPointSizeF(ui.pointSizeF());
    widget->setFont(font);
}

void TranslateWidget(QWidget* widget, const QString& key)
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        menu->setTitle(TranslatedText(menu, key, menu->title()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(TranslatedText(label, key, label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(TranslatedText(button, key, button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(TranslatedText(group, key, group->title()));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStringList current;
        for (int i = 0; i < combo->count(); ++i)
            current << combo->itemText(i);
        const QStringList design = Design(combo, kDesignItems, current).toStringList();
        for (int i = 0; i < combo->count() && i < design.size(); ++i)
            combo->setItemText(i, Lookup(key + QStringLiteral("/LIST_%1/@text").arg(i), design[i]));
    }
    TranslateToolTip(
        widget, key, widget->toolTip(), [](QObject* o, const QString& tip) { static_cast<QWidget*>(o)->setToolTip(tip); });
}

void TranslateAction(QAction* action, const QString& key)
{
    if (action->isSeparator() || action->menu())
        return;  // a submenu's title comes from its menu
    action->setText(TranslatedText(action, key, action->text()));
    TranslateToolTip(
        action, key, action->toolTip(), [](QObject* o, const QString& tip) { static_cast<QAction*>(o)->setToolTip(tip); });
}

}  // namespace

QFont UIQFont()
{
    QFont font(UIFont().name);
    if (UIFont().size > 0)
        font.setPointSizeF(UIFont().size);
    return font;
}

bool IsFontInstalled(const QString& family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void InitUIFont(const QString& storedName, std::optional<double> storedSize)
{
    ChooseUIFont(storedName, storedSize, &IsFontInstalled);
}

void TranslateForm(QWidget* window, const QString& section)
{
    if (!window)
        return;
    const QString form = (section.isEmpty() ? window->objectName() : section).toUpper();
    if (window->objectName() != QLatin1String("Player"))
        window->setWindowTitle(
            Lookup(form + QStringLiteral("/@title"), Design(window, kDesignText, window->windowTitle()).toString()));
    window->setFont(UIQFont());

    for (QObject* object : window->findChildren<QObject*>()) {
        if (!IsControl(object))
            continue;
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget)
            ApplyUIFont(widget);
        if (IsSkinArray(object))
            continue;
        const QString key = form + QLatin1Char('/') + ControlKey(object);
        if (widget)
            TranslateWidget(widget, key);
        else if (auto* action = qobject_cast<QAction*>(object))
            TranslateAction(action, key);
    }
}
