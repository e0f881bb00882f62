#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "StandInTest.h"
#include "VersionMismatchMessage.h"

namespace {

// The messages as they read, in UTF-8; the bytes the launcher must show are computed from these
// with iconv, apart from the launcher's own tables.
constexpr const char EnglishUtf8[] =
    "The upgrade patch cannot be installed by the \n"
    "Windows Installer service because the program to \n"
    "be upgraded may be missing, or the upgrade patch \n"
    "may update a different version of the program.  \n"
    "Verify that the program to be upgraded exists on \n"
    "your computer and that you have the correct \n"
    "upgrade patch.";

constexpr const char GermanUtf8[] =
    "Das Updatepatch kann nicht vom Windows-Installationsdienst \n"
    "installiert werden, da das zu aktualisierende Programm nicht \n"
    "vorhanden ist oder eine andere Version des Programms mit \n"
    "dem Patch aktualisiert wird. Stellen Sie sicher, dass das zu \n"
    "aktualisierende Programm auf dem Computer vorhanden ist \n"
    "und Sie den korrekten Aktualisierungspatch verwenden.";

constexpr const char ItalianUtf8[] =
    "Il servizio Windows Installer non è riuscito a installare \n"
    "la correzione di aggiornamento. Il programma da aggiornare \n"
    "èmancante o la correzione di aggiornamento ha effetto \n"
    "su una versione diversa del programma. Verificare che il \n"
    "programma da aggiornare esista sul computer e che si \n"
    "disponga dell'appropriata correzione di aggiornamento.";

constexpr const char FrenchUtf8[] =
    "Le correctif de mise à jour ne peut pas être installé \n"
    "par le service Windows Installer car le programme qui \n"
    "doit être mis à jour est peut-être introuvable ou le \n"
    "correctif de mise à jour est peut-être destiné à une autre \n"
    "version du programme. Vérifiez que le programme que \n"
    "vous voulez mettre à jour se trouve sur votre ordinateur \n"
    "et que vous disposez du correctif de mise à jour correct.";

constexpr const char SwedishUtf8[] =
    "Korrigeringsfilen kan inte installeras av tjänsten \n"
    "Windows Installer eftersom programmet som ska \n"
    "uppgraderas kanske saknas eller för att korrigeringsfilen \n"
    "kanske är avsedd att uppdatera en annan version av \n"
    "programmet. Verifiera att programmet som ska uppgraderas \n"
    "finns på datorn och att du har rätt korrigeringsfil.";

constexpr const char JapaneseUtf8[] =
    "Windows インストーラ サービスでアップグレード修正プログ\n"
    "ラムをインストールできません。アップグレードするプログラ\n"
    "ムがないか、またはアップグレード修正プログラムでアップ グ\n"
    "レードするプログラムのバージョンが違う可能性があります。\n"
    "アップグレードするプログラムがこのコンピュータにあり、アッ\n"
    "プグレード修正プログラムが正 しいかどうかを確認してくださ\n"
    "い。";
constexpr const char JapaneseCaptionUtf8[] = "Windowsインストーラ";

std::string Encode(const std::string& utf8, const char* codePage) {
    iconv_t converter = iconv_open(codePage, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv cannot convert to " << codePage;
        return {};
    }
    std::string input = utf8;
    std::string output(input.size() * 2 + 16, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<size_t>(-1)) << "not representable in " << codePage;
    output.resize(output.size() - outLeft);
    return output;
}

struct MessageRow {
    const char* Name;
    uint16_t LanguageId;
    const char* CaptionUtf8;
    const char* TextUtf8;
    const char* CodePage;
};

class VersionMismatchMessageTest : public StandInTableTest<MessageRow> {};

TEST_P(VersionMismatchMessageTest, ShowsTheTextInTheSystemLanguage) {
    const MessageRow& row = GetParam();
    StandIn.LanguageId = row.LanguageId;
    ShowVersionMismatch();
    ASSERT_EQ(StandIn.Boxes.size(), 1u);
    const MessageBoxShown& box = StandIn.Boxes[0];
    EXPECT_EQ(box.Owner, nullptr);
    EXPECT_EQ(box.Type, 0x10u);
    EXPECT_EQ(box.Caption, Encode(row.CaptionUtf8, row.CodePage));
    EXPECT_EQ(box.Text, Encode(row.TextUtf8, row.CodePage));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, VersionMismatchMessageTest,
    ::testing::Values(
        MessageRow{"EnglishUnitedStates", 0x0409, "Windows Installer", EnglishUtf8, "CP1252"},
        MessageRow{"DutchShowsEnglish", 0x0413, "Windows Installer", EnglishUtf8, "CP1252"},
        MessageRow{"GermanGermany", 0x0407, "Windows Installer", GermanUtf8, "CP1252"},
        MessageRow{"GermanSwitzerland", 0x0807, "Windows Installer", GermanUtf8, "CP1252"},
        MessageRow{"Italian", 0x0410, "Windows Installer", ItalianUtf8, "CP1252"},
        MessageRow{"Japanese", 0x0411, JapaneseCaptionUtf8, JapaneseUtf8, "CP932"},
        MessageRow{"FrenchFrance", 0x040C, "Windows Installer", FrenchUtf8, "CP1252"},
        MessageRow{"FrenchCanada", 0x0C0C, "Windows Installer", FrenchUtf8, "CP1252"},
        MessageRow{"SpanishMexicoShowsEnglish", 0x080A, "Windows Installer", EnglishUtf8, "CP1252"},
        MessageRow{"Swedish", 0x041D, "Windows Installer", SwedishUtf8, "CP1252"},
        MessageRow{"PortugueseFallsBackToEnglish", 0x0416, "Windows Installer", EnglishUtf8, "CP1252"}),
    RowName());

TEST(VersionMismatchMessage, JapaneseKeepsTheTrailByte5C) {
    // 能 is 0x94 0x5C in code page 932; a tool that takes 0x5C for a backslash loses it.
    const std::string text = VersionMismatchMessages[Japanese].Text;
    EXPECT_NE(text.find("\x89\xC2\x94\x5C\x90\xAB"), std::string::npos) << "可能性";
}

}  // namespace
