#pragma once
// Every text the player reads, in Windows-1252 as the game shows it. Umlauts
// are written as byte escapes (\xE4 ä, \xF6 ö, \xFC ü, \xDF ß); a literal is
// split after an escape so that the next letter is not read as a hex digit.
#include <string_view>

namespace game::texts {

// Caption of the window.
inline constexpr std::string_view kWindowCaption = "von Tovald Brennhag";

// Caption of the introduction box and the landing box.
inline constexpr std::string_view kBoxCaption = "Anflug";

// The introduction box: three lines joined by line feeds, a space on each side of a line feed.
inline constexpr std::string_view kIntroduction =
    "Der Weihnachtsbaum kommt heute im Flugzeug! \n"
    " Aber Achtung es ist sehr windig und der Pilot hat schon einige Gl\xFC"
    "hwein getrunken. \n"
    " Zum Starten bitte die Leertaste dr\xFC"
    "cken, zum Steuern sind die Pfeiltasten. Und immer auf der blauen bzw gr\xFC"
    "nen Linie bleiben bis zum roten Quader. Wenn der Stern erscheint seit Ihr von der Bahn ab "
    "gekommen und m\xFC\xDF"
    "t Gegenlenken. ";

// The landing box, shown when the flight ends.
inline constexpr std::string_view kLanding =
    "Nun ist der Weihnachtsbaum da! 2 Kugeln geh\xF6"
    "ren zusammen. Gl\xFC"
    "cklicher Weise ist es aufgeschrieben, dr\xFC"
    "ckt die Taste 'F2' und merkt Euch die Kombinationen, dann werden die Buchstaben und "
    "Zahlen \xFC"
    "ber die Tastatur eingegeben. Wenn Ihr nicht weiter wisst, einfach wieder die 'F2-Taste' "
    "dr\xFC"
    "cken. Ein neues Spiel wird mit der 'F9-Taste' gestartet. ";

// Label1 during the approach: this, then the error count.
inline constexpr std::string_view kErrors = " Fehler: ";

// Label4: the help count, then this.
inline constexpr std::string_view kHelpPressed =
    " Mal Hilfe gedr\xFC"
    "ckt!";

// Label4 after the sixteenth pair.
inline constexpr std::string_view kGreeting =
    "Frohe Weihnachten w\xFC"
    "nscht Tovald";

// Label4 at start.
inline constexpr std::string_view kHelpHint = "Hilfe = Taste \"F2\"";

// The symbol list export: its file, and the error when it cannot be written.
inline constexpr std::string_view kSymbolFile = "string.txt";
inline constexpr std::string_view kCannotCreate = "Datei %s kann nicht erstellt werden";

}  // namespace game::texts
