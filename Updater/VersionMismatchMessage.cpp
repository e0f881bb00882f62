#include "VersionMismatchMessage.h"

#include "InterfaceLanguage.h"
#include "platform/PlatformServices.h"

// The texts are bytes in the code page the ANSI message box shows them in, written as escapes so
// that no tool between this file and the binary can re-encode them; a trail byte 0x5C in code
// page 932 is not a backslash.
namespace {

constexpr char Caption[] = "Windows Installer";

// English, code page 1252.
constexpr char EnglishText[] =
    "The upgrade patch cannot be installed by the \n"
    "Windows Installer service because the program to \n"
    "be upgraded may be missing, or the upgrade patch \n"
    "may update a different version of the program.  \n"
    "Verify that the program to be upgraded exists on \n"
    "your computer and that you have the correct \n"
    "upgrade patch.";

// German, code page 1252.
constexpr char GermanText[] =
    "Das Updatepatch kann nicht vom Windows-Installationsdienst \n"
    "installiert werden, da das zu aktualisierende Programm nicht \n"
    "vorhanden ist oder eine andere Version des Programms mit \n"
    "dem Patch aktualisiert wird. Stellen Sie sicher, dass das zu \n"
    "aktualisierende Programm auf dem Computer vorhanden ist \n"
    "und Sie den korrekten Aktualisierungspatch verwenden.";

// Italian, code page 1252.
constexpr char ItalianText[] =
    "Il servizio Windows Installer non \xE8 riuscito a installare \n"
    "la correzione di aggiornamento. Il programma da aggiornare \n"
    "\xE8mancante o la correzione di aggiornamento ha effetto \n"
    "su una versione diversa del programma. Verificare che il \n"
    "programma da aggiornare esista sul computer e che si \n"
    "disponga dell'appropriata correzione di aggiornamento.";

// French, code page 1252.
constexpr char FrenchText[] =
    "Le correctif de mise \xE0 jour ne peut pas \xEAtre install\xE9 \n"
    "par le service Windows Installer car le programme qui \n"
    "doit \xEAtre mis \xE0 jour est peut-\xEAtre introuvable ou le \n"
    "correctif de mise \xE0 jour est peut-\xEAtre destin\xE9 \xE0 une autre \n"
    "version du programme. V\xE9rifiez que le programme que \n"
    "vous voulez mettre \xE0 jour se trouve sur votre ordinateur \n"
    "et que vous disposez du correctif de mise \xE0 jour correct.";

// Swedish, code page 1252.
constexpr char SwedishText[] =
    "Korrigeringsfilen kan inte installeras av tj\xE4nsten \n"
    "Windows Installer eftersom programmet som ska \n"
    "uppgraderas kanske saknas eller f\xF6r att korrigeringsfilen \n"
    "kanske \xE4r avsedd att uppdatera en annan version av \n"
    "programmet. Verifiera att programmet som ska uppgraderas \n"
    "finns p\xE5 datorn och att du har r\xE4tt korrigeringsfil.";

// Japanese, code page 932; each line as it reads above its bytes.
constexpr char JapaneseText[] =
    // Windows インストーラ サービスでアップグレード修正プログ
    "Windows \x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x89 \x83\x54\x81\x5B\x83\x72\x83\x58\x82\xC5\x83\x41\x83\x62\x83\x76\x83\x4F\x83\x8C\x81\x5B\x83\x68\x8F\x43\x90\xB3\x83\x76\x83\x8D\x83\x4F\n"
    // ラムをインストールできません。アップグレードするプログラ
    "\x83\x89\x83\x80\x82\xF0\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42\x83\x41\x83\x62\x83\x76\x83\x4F\x83\x8C\x81\x5B\x83\x68\x82\xB7\x82\xE9\x83\x76\x83\x8D\x83\x4F\x83\x89\n"
    // ムがないか、またはアップグレード修正プログラムでアップ グ
    "\x83\x80\x82\xAA\x82\xC8\x82\xA2\x82\xA9\x81\x41\x82\xDC\x82\xBD\x82\xCD\x83\x41\x83\x62\x83\x76\x83\x4F\x83\x8C\x81\x5B\x83\x68\x8F\x43\x90\xB3\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xC5\x83\x41\x83\x62\x83\x76 \x83\x4F\n"
    // レードするプログラムのバージョンが違う可能性があります。
    "\x83\x8C\x81\x5B\x83\x68\x82\xB7\x82\xE9\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xCC\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\xAA\x88\xE1\x82\xA4\x89\xC2\x94\x5C\x90\xAB\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42\n"
    // アップグレードするプログラムがこのコンピュータにあり、アッ
    "\x83\x41\x83\x62\x83\x76\x83\x4F\x83\x8C\x81\x5B\x83\x68\x82\xB7\x82\xE9\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x82\xB1\x82\xCC\x83\x52\x83\x93\x83\x73\x83\x85\x81\x5B\x83\x5E\x82\xC9\x82\xA0\x82\xE8\x81\x41\x83\x41\x83\x62\n"
    // プグレード修正プログラムが正 しいかどうかを確認してくださ
    "\x83\x76\x83\x4F\x83\x8C\x81\x5B\x83\x68\x8F\x43\x90\xB3\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x90\xB3 \x82\xB5\x82\xA2\x82\xA9\x82\xC7\x82\xA4\x82\xA9\x82\xF0\x8A\x6D\x94\x46\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\n"
    // い。
    "\x82\xA2\x81\x42";

// "Windowsインストーラ", code page 932.
constexpr char JapaneseCaption[] =
    "Windows\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x89";
}  // namespace

// Indexed by InterfaceLanguage; Dutch and Spanish show the English text.
const VersionMismatchMessage VersionMismatchMessages[InterfaceLanguageCount] = {
    {Caption, EnglishText},          // English
    {Caption, EnglishText},          // Dutch
    {Caption, GermanText},           // German
    {Caption, ItalianText},          // Italian
    {JapaneseCaption, JapaneseText}, // Japanese
    {Caption, FrenchText},           // French
    {Caption, EnglishText},          // Spanish
    {Caption, SwedishText},          // Swedish
};

void ShowVersionMismatch() {
    const VersionMismatchMessage& message = VersionMismatchMessages[GetInterfaceLanguage()];
    PlatformServices::MessageBoxA(nullptr, message.Text, message.Caption, PlatformServices::MB_ICONERROR);
}
