#include "ui/InterfaceLanguages.h"

#include "app/AppSettings.h"
#include "app/LanguageCatalogs.h"
#include "app/WindowSettings.h"
#include "base/Text.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>

namespace parlix::ui {
namespace {

// The language as its speakers write it ("Deutsch", "Italiano"), so that a
// user who cannot read the current one still finds their own. The world
// variant names English without a country ("American English").
QString NativeName(int id) {
    const auto locale = LocaleOfLanguageId(id);
    if (!locale) return {};
    const QLocale regional(QString::fromStdString(*locale));
    const QLocale world(regional.language(), QLocale::World);
    const QLocale& named = world.language() == regional.language() ? world : regional;
    const QString name = named.nativeLanguageName();
    if (name.isEmpty()) return {};
    return named.toUpper(name.left(1)) + name.mid(1);
}

}  // namespace

InterfaceLanguages::InterfaceLanguages(AppSettings& settings) : settings_(settings) {
    languages_.push_back({kEnglishLanguageId, {}, NativeName(kEnglishLanguageId)});
}

InterfaceLanguages::~InterfaceLanguages() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_.get());
}

void InterfaceLanguages::Scan() {
    for (const LanguageCatalog& catalog : FindLanguageCatalogs(settings_.ProgramPath())) {
        const QString name = NativeName(catalog.id);
        if (name.isEmpty()) continue;  // not a language we know
        languages_.push_back({catalog.id, QString::fromStdString(catalog.path), name});
    }
}

void InterfaceLanguages::LoadFromSettings() {
    const int id = LoadLanguageId(settings_);
    for (int i = 0; i < static_cast<int>(languages_.size()); ++i)
        if (languages_[static_cast<std::size_t>(i)].id == id) Install(i);
}

bool InterfaceLanguages::Switch(int index) {
    if (index < 0 || index >= static_cast<int>(languages_.size())) return false;
    if (!Install(index)) return false;
    SaveLanguageId(settings_, languages_[static_cast<std::size_t>(index)].id);
    return true;
}

bool InterfaceLanguages::Install(int index) {
    const InterfaceLanguage& language = languages_[static_cast<std::size_t>(index)];
    auto translator = std::make_unique<QTranslator>();
    if (!language.path.isEmpty() && !translator->load(language.path)) return false;
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_.get());
    translator_.reset();
    qtTranslator_.reset();
    if (!language.path.isEmpty()) {
        translator_ = std::move(translator);
        QCoreApplication::installTranslator(translator_.get());
        // Qt's own texts (standard buttons) in the same language, where installed.
        auto qt = std::make_unique<QTranslator>();
        const auto locale = LocaleOfLanguageId(language.id);
        if (locale &&
            qt->load(QLocale(QString::fromStdString(*locale)), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qtTranslator_ = std::move(qt);
            QCoreApplication::installTranslator(qtTranslator_.get());
        }
    }
    current_ = index;
    return true;
}

void InstallCoreTranslationHook() {
    SetTranslationHook([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
}

}  // namespace parlix::ui
