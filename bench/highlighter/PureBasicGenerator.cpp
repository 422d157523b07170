#include "PureBasicGenerator.h"

#include <array>
#include <random>
#include <string_view>

namespace highlighter::bench {
namespace {

constexpr std::array<std::string_view, 12> kNames = {"zaehler", "breite", "hoehe",      "ergebnis",
                                                     "index",   "summe",  "dateiName$", "zeile$",
                                                     "fenster", "liste",  "wert",       "position"};
constexpr std::array<std::string_view, 6> kTypes = {"l", "i", "f", "s", "RECT", "Eintrag"};
constexpr std::array<std::string_view, 8> kCommands = {
    "Str", "Len", "Left", "FindString", "AddElement", "GadgetWidth", "Random", "ReadString"};
constexpr std::array<std::string_view, 5> kComments = {
    "; Fenster vorbereiten und Ereignisse abarbeiten", "; Hier wird die Liste sortiert",
    ";- Hauptprogramm", "; TODO: Fehlerbehandlung", "; Zeiger auf das nächste Element"};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_random(seed) {}

    void appendUnit(std::string& out) {
        const std::string_view name = pick(kNames);
        const std::string_view type = pick(kTypes);
        const std::string number = std::to_string(m_random() % 1000);
        out += pick(kComments);
        out +=
            "\r\nStructure Eintrag\r\n  *naechster.Eintrag\r\n  name$\r\n  wert.l\r\n"
            "EndStructure\r\n\r\nProcedure.i Berechne";
        out += number;
        out += "(*eintrag.Eintrag, ";
        out += name;
        out += ".";
        out += type;
        out +=
            ")\r\n  Protected summe.i = 0, *p.Eintrag = *eintrag\r\n  While *p\r\n"
            "    summe + *p\\wert * 2 % 7 + $FF - %1010 ; aufsummieren\r\n"
            "    *p = *p\\naechster\r\n  Wend\r\n  If summe > ";
        out += number;
        out += " And Not ";
        out += name;
        out +=
            "\r\n    Debug \"Summe: \" + Str(summe) + ~\"\\tTab\\n\"\r\n  ElseIf summe <= 1.5e3\r\n"
            "    summe = ";
        out += pick(kCommands);
        out += "(";
        out += name;
        out +=
            ")\r\n  EndIf\r\n  ProcedureReturn summe\r\nEndProcedure\r\n\r\n"
            "If OpenWindow(#Fenster_Haupt, 0, 0, 640, 480, \"Beispiel ";
        out += number;
        out +=
            "\", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)\r\n"
            "  ButtonGadget(#Knopf_OK, 10, 10, 120, 25, \"OK\")\r\n"
            "  SendMessage_(GadgetID(#Liste), #LB_SETTOPINDEX, 0, 0)\r\n"
            "  For i = 0 To ";
        out += number;
        out += " Step 2\r\n    ";
        out += name;
        out +=
            " = i * breite / (hoehe + 1) << 2\r\n  Next\r\n  Repeat\r\n"
            "    Select WaitWindowEvent()\r\n      Case #PB_Event_CloseWindow\r\n"
            "        Break\r\n    EndSelect\r\n  ForEver\r\nEndIf\r\n"
            "Sprung";
        out += number;
        out += ":\r\n  ! mov eax, [v_summe]\r\n\r\n";
    }

private:
    template <std::size_t N>
    std::string_view pick(const std::array<std::string_view, N>& items) {
        return items[m_random() % N];
    }

    std::mt19937 m_random;
};

}  // namespace

std::string generatePureBasic(std::size_t targetBytes, std::uint32_t seed) {
    Generator generator(seed);
    std::string out;
    out.reserve(targetBytes + 4096);
    while (out.size() < targetBytes) {
        generator.appendUnit(out);
    }
    return out;
}

}  // namespace highlighter::bench
