// The interface languages: English built in, and one per catalog beside the
// program. The current catalog replaces every text, the core's included.
#pragma once

#include <QtCore/QString>
#include <QtCore/QTranslator>

#include <memory>
#include <vector>

namespace parlix {
class AppSettings;
}

namespace parlix::ui {

struct InterfaceLanguage {
    int id = 0;
    QString path;  // empty for the built-in English
    QString name;  // the language in its own words, for the menu
};

class InterfaceLanguages {
  public:
    explicit InterfaceLanguages(parlix::AppSettings& settings);
    ~InterfaceLanguages();

    // The catalogs beside the program, after the built-in English.
    void Scan();
    // The language of LangID; English when none loads.
    void LoadFromSettings();
    // Installs language `index` and remembers it in LangID; false changes nothing.
    bool Switch(int index);

    const std::vector<InterfaceLanguage>& Languages() const { return languages_; }
    int Current() const { return current_; }

  private:
    bool Install(int index);

    parlix::AppSettings& settings_;
    std::vector<InterfaceLanguage> languages_;
    int current_ = -1;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
};

// Routes the core's texts through the installed catalog.
void InstallCoreTranslationHook();

}  // namespace parlix::ui
