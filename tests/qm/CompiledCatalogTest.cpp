// The compiled catalogs beside the program answer the core's lookups through
// the translation hook, as the GUI installs it.
#include "base/Status.h"
#include "base/Text.h"
#include "res/TsCatalog.h"

#include <gtest/gtest.h>
#include <QTranslator>

#include <cstdlib>
#include <string>

namespace parlix::test {
namespace {

class CompiledCatalogTest : public testing::Test {
  protected:
    void Load(const std::string& id) {
        const char* bin = std::getenv("PARLIX_BIN_DIR");
        ASSERT_NE(bin, nullptr);
        ASSERT_TRUE(translator_.load(QString::fromStdString("parlix-desk-" + id), bin))
            << "parlix-desk-" << id << ".qm is not in " << bin;
        SetTranslationHook([this](const char* context, const char* text) {
            return translator_.translate(context, text).toStdString();
        });
    }
    void TearDown() override { SetTranslationHook(nullptr); }

    QTranslator translator_;
};

TEST_F(CompiledCatalogTest, AnswersEveryEntryOfItsSource) {
    for (const char* id : {"1040", "1031"}) {
        SCOPED_TRACE(id);
        ASSERT_NO_FATAL_FAILURE(Load(id));
        const TsCatalog catalog = ReadTsCatalog(std::string(PARLIX_SOURCE_DIR) +
                                                "/res/translations/parlix-desk-" + id + ".ts");
        for (const TsMessage& m : catalog.messages) {
            ASSERT_EQ(m.translations.size(), 1u) << m.source;
            EXPECT_EQ(Tr(TrText{m.context.c_str(), m.source.c_str()}), m.translations[0])
                << m.context << ": " << m.source;
        }
    }
}

TEST_F(CompiledCatalogTest, FormatsTranslatedCoreTexts) {
    ASSERT_NO_FATAL_FAILURE(Load("1040"));
    EXPECT_EQ(TrFormat(PX_TR("Controller", "Could not read command %d of group %d.\n"), 3, 1),
              "Impossibile leggere il comando 3 del gruppo 1.\n");
    EXPECT_EQ(
        TrFormat(PX_TR("Controller", "Importing command %d in group %d...\r\n(Please wait)"), 4, 2),
        "Importazione del comando 4 nel gruppo 2...\r\n(Attendere)");
    EXPECT_EQ(make_error_code(Status::DeviceUnplugged).message(),
              "Il dispositivo è stato rimosso.");
    ASSERT_NO_FATAL_FAILURE(Load("1031"));
    EXPECT_EQ(TrFormatInserts(PX_TR("Controller",
                                    "A '%1' device has been found, but the \"bridge\" software is "
                                    "not responding or it is outdated.\n\nDo you want to download "
                                    "the updated \"bridge\" software to the device?"),
                              std::string("MRC3024")),
              "Ein Gerät 'MRC3024' wurde gefunden, aber die \"Bridge\"-Software antwortet nicht "
              "oder ist veraltet.\n\nMöchten Sie die aktualisierte \"Bridge\"-Software auf das "
              "Gerät laden?");
}

}  // namespace
}  // namespace parlix::test
