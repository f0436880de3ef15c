// The page's view of the core, through embind: the simulator object, and the core's own
// descriptions of the menus, the command bar, the about box and the panel templates, so the
// page lays its controls out from the same tables as the desktop window.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "description/machine_description.h"
#include "machine/clock.h"
#include "measures/measure_rows.h"
#include "measures/measures_picture.h"
#include "measures/torque_speed_picture.h"
#include "page_language.h"
#include "panels/panel_labels.h"
#include "panels/panel_template.h"
#include "panels/spoken_names.h"
#include "setup/setup_refusal.h"
#include "shell/languages.h"
#include "shell/main_menu.h"
#include "shell/projector.h"
#include "shell/welcome.h"
#include "shell/winding_window.h"
#include "web_lesson.h"
#include "web_simulator.h"

using emscripten::val;
using namespace vireflu;

namespace {

// A picture's RGBA words as a Uint8Array on the module's memory: no copy, valid until the
// next drawing.
val Bytes(const std::vector<std::uint32_t>& pixels) {
    return val(emscripten::typed_memory_view(pixels.size() * 4,
                                             reinterpret_cast<const std::uint8_t*>(pixels.data())));
}

// The page's names of the animation writer's outcomes, in GifStatus order.
constexpr const char* kGifStatusNames[] = {"ok", "tooManyColours", "failed"};

// The page's names of the control kinds, in ControlKind order.
constexpr const char* kKindNames[] = {"group", "check",  "radio",    "frame",
                                      "field", "updown", "trackbar", "label"};

Winding WindingOf(int selector) {
    return selector == 1 ? Winding::Rotor : Winding::Stator;
}

val Menus() {
    val menus = val::array();
    for (const Menu& menu : MainMenus()) {
        val items = val::array();
        for (const MenuItem& item : menu.items) {
            if (item.place == MenuPlace::Desktop) continue;
            val entry = val::object();
            entry.set("text", PageText("Menu", item.text));
            entry.set("command", std::string(CommandName(item.command)));
            entry.set("commandId", static_cast<int>(item.command));
            entry.set("argument", item.argument);
            entry.set("separatorBefore", item.separatorBefore);
            entry.set("check", item.check == MenuCheck::Toggle  ? "toggle"
                               : item.check == MenuCheck::OneOf ? "oneOf"
                                                                : "none");
            entry.set("checked", item.checkedAtStart);
            entry.set("shortcut", std::string(item.shortcut != nullptr ? item.shortcut : ""));
            items.call<void>("push", entry);
        }
        val entry = val::object();
        entry.set("title", PageText("Menu", menu.title));
        entry.set("items", items);
        menus.call<void>("push", entry);
    }
    return menus;
}

// The page's own texts and those it shares with the window, in the language spoken, by the
// names the page knows them by.
constexpr struct {
    const char* name;
    const char* context;
    const char* french;
} kPageTexts[] = {
    {"close", "Page", VIREFLU_UI_TEXT("Page", "Fermer")},
    {"linkCopied", "Page", VIREFLU_UI_TEXT("Page", "Lien copié")},
    {"machineView", "Page", VIREFLU_UI_TEXT("Page", "Coupe de la machine")},
    {"menus", "Page", VIREFLU_UI_TEXT("Page", "Menus")},
    {"exportFailed", "Page", VIREFLU_UI_TEXT("Page", "L'animation n'a pas pu être enregistrée.")},
    {"exportTitle", "Animation", VIREFLU_UI_TEXT("Animation", "Exporter l'animation")},
    {"exporting", "Animation", VIREFLU_UI_TEXT("Animation", "Exportation de l'animation...")},
    {"cancel", "Animation", VIREFLU_UI_TEXT("Animation", "Annuler")},
    {"exportCancelled", "Animation",
     VIREFLU_UI_TEXT("Animation", "Exportation annulée : aucun fichier n'a été écrit.")},
    {"nothingToExport", "Animation",
     VIREFLU_UI_TEXT("Animation",
                     "Aucune animation à exporter : aucun enroulement n'est alimenté en « sinus » "
                     "ou « rectangulaire » au-dessus de 0 Hz.")},
    {"tooManyColours", "Animation",
     VIREFLU_UI_TEXT("Animation",
                     "L'animation n'a pas pu être enregistrée : ses images ont plus de 256 "
                     "couleurs.")},
    {"measures", "Measures", VIREFLU_UI_TEXT("Measures", "Mesures")},
    {"sequences", "Measures", VIREFLU_UI_TEXT("Measures", "Deux champs tournants")},
    {"sequencesTip", "Measures",
     VIREFLU_UI_TEXT("Measures",
                     "Dessine les champs direct (bleu) et inverse (orange) dans la coupe.")},
    {"torqueSpeedTip", "Measures", kTorqueSpeedTip},
    {"curveTip", "Measures",
     VIREFLU_UI_TEXT("Measures", "Force magnétomotrice le long de l'entrefer, de 0 à 360°.")},
    {"lesson", "Window", VIREFLU_UI_TEXT("Window", "Leçon")},
    {"lessons", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "&Leçons")},
    {"openLesson", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "Ouvrir une leçon...")},
    {"answer", "Lesson", VIREFLU_UI_TEXT("Lesson", "Répondre")},
    {"show", "Lesson", VIREFLU_UI_TEXT("Lesson", "Montrer")},
    {"restart", "Lesson", VIREFLU_UI_TEXT("Lesson", "Recommencer")},
    {"forTeacher", "Lesson", VIREFLU_UI_TEXT("Lesson", "Pour l'enseignant")},
    {"expected", "Lesson", VIREFLU_UI_TEXT("Lesson", "Réponse attendue : %1")},
    {"openCourse", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "Ouvrir un parcours...")},
    {"composeCourse", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "Composer un parcours...")},
    {"myAnswers", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "Mes réponses")},
    {"exportScorm", "LessonMenu",
     VIREFLU_UI_TEXT("LessonMenu", "Exporter pour une plateforme (SCORM)...")},
    {"teacherView", "LessonMenu", VIREFLU_UI_TEXT("LessonMenu", "Vue enseignant")},
    {"composer", "Course", VIREFLU_UI_TEXT("Course", "Composer un parcours")},
    {"courseTitle", "Course", VIREFLU_UI_TEXT("Course", "Titre")},
    {"passMark", "Course", VIREFLU_UI_TEXT("Course", "Note de passage (%)")},
    {"shippedLessons", "Course", VIREFLU_UI_TEXT("Course", "Leçons de Vireflu")},
    {"addLesson", "Course", VIREFLU_UI_TEXT("Course", "Ajouter")},
    {"addOwnLesson", "Course", VIREFLU_UI_TEXT("Course", "Ajouter une leçon de fichier...")},
    {"courseLessons", "Course", VIREFLU_UI_TEXT("Course", "Leçons du parcours")},
    {"moveUp", "Course", VIREFLU_UI_TEXT("Course", "Monter")},
    {"moveDown", "Course", VIREFLU_UI_TEXT("Course", "Descendre")},
    {"removeLesson", "Course", VIREFLU_UI_TEXT("Course", "Retirer")},
    {"startCourse", "Course", VIREFLU_UI_TEXT("Course", "Commencer")},
    {"saveCourse", "Course", VIREFLU_UI_TEXT("Course", "Enregistrer...")},
    {"copyCourseLink", "Course", VIREFLU_UI_TEXT("Course", "Copier le lien")},
    {"exportCourse", "Course",
     VIREFLU_UI_TEXT("Course", "Exporter pour une plateforme (SCORM)...")},
    {"courseProgress", "Lesson", VIREFLU_UI_TEXT("Lesson", "Leçon %1 sur %2")},
    {"nextLesson", "Lesson", VIREFLU_UI_TEXT("Lesson", "Leçon suivante")},
    {"finishCourse", "Lesson", VIREFLU_UI_TEXT("Lesson", "Terminer")},
    {"answersTitle", "Answers", VIREFLU_UI_TEXT("Answers", "Mes réponses")},
    {"answerDate", "Answers", VIREFLU_UI_TEXT("Answers", "Date")},
    {"answerLesson", "Answers", VIREFLU_UI_TEXT("Answers", "Leçon")},
    {"answerGiven", "Answers", VIREFLU_UI_TEXT("Answers", "Réponse")},
    {"answerResult", "Answers", VIREFLU_UI_TEXT("Answers", "Résultat")},
    {"answerSeconds", "Answers", VIREFLU_UI_TEXT("Answers", "Secondes")},
    {"answerRight", "Answers", VIREFLU_UI_TEXT("Answers", "juste")},
    {"answerWrong", "Answers", VIREFLU_UI_TEXT("Answers", "faux")},
    {"exportCsv", "Answers", VIREFLU_UI_TEXT("Answers", "Exporter en CSV")},
    {"exportJson", "Answers", VIREFLU_UI_TEXT("Answers", "Exporter en JSON")},
    {"clearAnswers", "Answers", VIREFLU_UI_TEXT("Answers", "Effacer")},
    {"confirmClear", "Answers",
     VIREFLU_UI_TEXT("Answers",
                     "Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.")},
    {"noAnswers", "Answers", VIREFLU_UI_TEXT("Answers", "Aucune réponse pour l'instant.")},
    {"answersThisVisit", "Answers",
     VIREFLU_UI_TEXT("Answers",
                     "Ce navigateur ne garde pas les réponses : elles seront perdues à la "
                     "fermeture de la page.")},
    {"language", "Menu", kLanguageMenuTitle},
    {"welcomeTitle", "Welcome", kWelcomeTitle},
    {"welcomeLine", "Welcome", kWelcomeLine},
    {"welcomeLesson", "Welcome", kWelcomeLesson},
    {"welcomeOpen", "Welcome", kWelcomeOpen},
    {"welcomeExplore", "Welcome", kWelcomeExplore},
    {"winding", "Winding", kWindingTitle},
    {"slotStar", "Winding", kSlotStarTitle},
    {"cage", "Winding", kCageLabel},
    {"cageTip", "Winding", kCageTip},
    {"free", "Winding", kFreeLabel},
    {"circuit", "Winding", kCircuitTitle},
    {"freeTip", "Winding", kFreeTip},
    {"load", "Winding", kLoadLabel},
};

val TextList(auto&& texts, const char* context) {
    val list = val::array();
    for (const char* text : texts) list.call<void>("push", PageText(context, text));
    return list;
}

val Texts() {
    val texts = val::object();
    texts.set("reset", PageText("CommandBar", kResetCaption));
    texts.set("animation", PageText("CommandBar", kAnimationCaption));
    texts.set("stop", PageText("CommandBar", kStopCaption));
    texts.set("aboutTitle", PageText("AboutBox", kAboutTitle));
    texts.set("aboutLines", TextList(AboutLines(), "AboutBox"));
    texts.set("shortcutsTitle", PageText("Shortcuts", kShortcutsTitle));
    std::vector<const char*> keys;
    for (const ShortcutLine& line : ShortcutLines())
        if (!line.desktopOnly) keys.push_back(line.text);
    texts.set("shortcutLines", TextList(keys, "Shortcuts"));
    texts.set("conventionsTitle", PageText("Conventions", kConventionsTitle));
    texts.set("conventionLines", TextList(ConventionLines(), "Conventions"));
    texts.set("tickPeriodMs", kTickPeriodMs);
    texts.set("descriptionPeriodMs", kDescriptionPeriodMs);
    texts.set("angleFieldLength", kAngleFieldLength);
    texts.set("angleHeld", PageText("Panel", kAngleHeldHint));
    texts.set("welcomeLessonId", std::string(kWelcomeLessonId));
    for (const auto& text : kPageTexts) texts.set(text.name, PageText(text.context, text.french));
    return texts;
}

// The languages the page speaks, French first: {code, name, rightToLeft}.
val LanguageList() {
    val list = val::array();
    for (const Language& language : Languages()) {
        val entry = val::object();
        entry.set("code", std::string(language.code));
        entry.set("name", std::string(language.name));
        entry.set("rightToLeft", language.rightToLeft);
        list.call<void>("push", entry);
    }
    return list;
}

// The code of the first preferred language (BCP 47 tags, in order) the page speaks; "fr" when
// it speaks none of them.
std::string ChosenLanguage(const val& tags) {
    return ChooseLanguage(emscripten::vecFromJSArray<std::string>(tags)).code;
}

// A panel template in pixels: caption, client size, and the controls in template (tab)
// order with their kind, name, phase, waveform or trackbar, and rectangle.
val Template(int selector) {
    const PanelTemplate& layout = PanelTemplateOf(WindingOf(selector));
    val controls = val::array();
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const TemplateControl& control = layout.controls[i];
        const Rect r = ControlPixels(layout, i);
        val entry = val::object();
        entry.set("kind", std::string(kKindNames[static_cast<int>(KindOf(control.role))]));
        entry.set("text", PageText("Panel", control.text));
        entry.set("left", r.left);
        entry.set("top", r.top);
        entry.set("width", r.right - r.left);
        entry.set("height", r.bottom - r.top);
        if (control.role) {
            const PanelControl role = *control.role;
            entry.set("role", static_cast<int>(role));
            entry.set("name", std::string(ControlName(role)));
            entry.set("phase", PhaseOf(role));
            const SpokenName spoken = SpokenNameOf(role);
            if (spoken.name != nullptr)
                entry.set("spokenName", WithArguments(PageText("Panel", spoken.name),
                                                      {std::to_string(PhaseOf(role))}));
            if (spoken.description != nullptr)
                entry.set("spokenDescription", WithArguments(PageText("Panel", spoken.description),
                                                             {std::to_string(PhaseOf(role))}));
            if (spoken.tip != nullptr) entry.set("tip", PageText("Panel", spoken.tip));
            if (KindOf(role) == ControlKind::UpDown) {
                entry.set("stepUpName", WithArguments(PageText("Panel", StepArrowName(kStepUp)),
                                                      {std::to_string(PhaseOf(role))}));
                entry.set("stepDownName", WithArguments(PageText("Panel", StepArrowName(kStepDown)),
                                                        {std::to_string(PhaseOf(role))}));
            }
            entry.set("waveform", WaveformOf(role));
            if (const auto slider = SliderOf(role)) {
                entry.set("slider", static_cast<int>(*slider));
                entry.set("maximum", PanelModel::SliderMaximum(*slider));
            }
        }
        controls.call<void>("push", entry);
    }
    val result = val::object();
    result.set("caption", PageText("Panel", layout.caption));
    result.set("width", DialogUnitsToPixelsX(layout.width));
    result.set("height", DialogUnitsToPixelsY(layout.height));
    result.set("controls", controls);
    return result;
}

// Everything a panel shows: each control's enabled and visible state, the check boxes, the
// checked waveform, the angle texts, the trackbar positions and the label texts.
val PanelState(WebSimulator& simulator, int selector) {
    const PanelModel& model = simulator.Panel(WindingOf(selector));
    val controls = val::array();
    for (int i = 0; i < static_cast<int>(PanelControl::Count); ++i) {
        const PanelControl control = static_cast<PanelControl>(i);
        const ControlState& state = model.State(control);
        val entry = val::object();
        entry.set("enabled", state.enabled);
        entry.set("visible", state.visible);
        if (KindOf(control) == ControlKind::Label)
            entry.set("text", TranslatedLabel(model.LabelText(control), PageTexts("Panel")));
        if (const auto slider = SliderOf(control))
            entry.set("position", model.SliderPosition(*slider));
        if (const int phase = PhaseOf(control)) {
            entry.set("checked", model.PhaseOn(phase) == 1);
            entry.set("angleText", model.AngleText(phase));
        }
        controls.call<void>("push", entry);
    }
    val result = val::object();
    result.set("controls", controls);
    result.set("waveform", model.Waveform());
    return result;
}

// The "Mesures" window's rows: label, value with its unit, explanation.
val RowsOf(const std::vector<MeasureRow>& measured) {
    val rows = val::array();
    for (const MeasureRow& row : measured) {
        val entry = val::object();
        entry.set("label", PageText("Measures", row.label));
        entry.set("value", row.value);
        entry.set("tip", PageText("Measures", row.tip));
        rows.call<void>("push", entry);
    }
    return rows;
}

val MeasuresRows(WebSimulator& simulator) {
    return RowsOf(
        MeasureRows(simulator.ComputeMeasures(), TranslatedMeasureWords(PageTexts("Measures"))));
}

// "Bobinage"'s lists for the winding shown: label, explanation, range, value.
val WindingControlsOf(const WebSimulator& simulator) {
    val controls = val::array();
    for (const WindingControl& c : WindingControls(simulator.State().winding)) {
        val entry = val::object();
        entry.set("label", PageText("Winding", c.label));
        entry.set("tip", PageText("Winding", c.tip));
        entry.set("minimum", c.minimum);
        entry.set("maximum", c.maximum);
        entry.set("current", c.current);
        entry.set("noneText", c.noneText ? PageText("Winding", c.noneText) : std::string());
        controls.call<void>("push", entry);
    }
    return controls;
}

void ChooseWindingValue(WebSimulator& simulator, int index, int chosen) {
    const WindingControl control = WindingControls(
        simulator.State().winding)[static_cast<std::size_t>(std::clamp(index, 0, 3))];
    simulator.GetSession().SetWinding(
        WithWindingValue(simulator.State().winding, control.value, chosen));
}

// The curve's legend: each name with its text colour as CSS writes it.
val MeasuresLegend() {
    val entries = val::array();
    for (const CurveLegendEntry& entry : CurveLegend()) {
        val item = val::object();
        item.set("name", PageText("Measures", entry.name));
        const Rgb c = entry.textColour;
        item.set("colour", "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
                               std::to_string(c.blue) + ")");
        entries.call<void>("push", item);
    }
    return entries;
}

// "Annotations" as the page draws them: {texts: [{x, y, text, left}], arrow: [x, y, ...],
// scale: {left, top, right, bottom}, colours: [css, ...]}, in the view's device pixels.
// Everything "Annotations" shows, or only the legend.
val AnnotationsOf(const WebSimulator& simulator, bool legendOnly) {
    const MachineAnnotations a =
        simulator.Annotations(PageText("Measures", ",") == ",",
                              legendOnly ? AnnotationParts::Legend : AnnotationParts::All);
    val texts = val::array();
    for (const AnnotationText& t : a.texts) {
        val text = val::object();
        text.set("x", t.at.x);
        text.set("y", t.at.y);
        text.set("text", PageText("Annotations", t.text.c_str()));
        text.set("left", t.left);
        texts.call<void>("push", text);
    }
    val arrow = val::array();
    for (const Point& p : a.senseArrow) {
        arrow.call<void>("push", p.x);
        arrow.call<void>("push", p.y);
    }
    val scale = val::object();
    scale.set("left", a.scale.left);
    scale.set("top", a.scale.top);
    scale.set("right", a.scale.right);
    scale.set("bottom", a.scale.bottom);
    val colours = val::array();
    for (const Rgb& c : a.scaleColours)
        colours.call<void>("push", "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) +
                                       ", " + std::to_string(c.blue) + ")");
    val result = val::object();
    result.set("texts", texts);
    result.set("arrow", arrow);
    result.set("scale", scale);
    result.set("colours", colours);
    return result;
}

// The panel handlers: each forwards one user action to the model and answers RedrawFlags.
template <auto Handler, typename... Args>
int Act(WebSimulator& simulator, int selector, Args... args) {
    const Winding winding = WindingOf(selector);
    return simulator.Apply(winding, (simulator.Panel(winding).*Handler)(args...));
}

int WaveformClicked(WebSimulator& simulator, int selector, int waveform) {
    PanelModel& model = simulator.Panel(WindingOf(selector));
    const PanelReaction reaction = waveform == kWaveformSinus     ? model.OnSinusClicked()
                                   : waveform == kWaveformContinu ? model.OnContinuClicked()
                                                                  : model.OnRectangulaireClicked();
    return simulator.Apply(WindingOf(selector), reaction);
}

int SliderMoved(WebSimulator& simulator, int selector, int slider, int position) {
    const Winding winding = WindingOf(selector);
    return simulator.Apply(
        winding, simulator.Panel(winding).OnHScroll(static_cast<PanelSlider>(slider), position));
}

// The page's part of a setup, as the page keeps it: {pace, stator, rotor, measures}, the pace
// as the timer's period in milliseconds and the windows open as booleans.
Setup PagePart(const val& page) {
    Setup setup;
    setup.pacePeriodMs = page["pace"].as<int>();
    setup.statorWindow = page["stator"].as<bool>();
    setup.rotorWindow = page["rotor"].as<bool>();
    setup.measuresWindow = page["measures"].as<bool>();
    setup.windingWindow = page["winding"].as<bool>();
    return setup;
}

}  // namespace

namespace {

// A setup taken back or forward, or the start's: the page's part of it (as an opened one's)
// and its document, to play it again at another size; null when there is none.
template <std::optional<Setup> (Session::*Step)()>
val Restored(WebSimulator& simulator) {
    const std::optional<Setup> setup = simulator.Restore(Step);
    if (!setup) return val::null();
    val result = PagePartOf(*setup);
    result.set("document", WriteSetup(*setup));
    return result;
}

}  // namespace

val vireflu::OpenedSetup(WebSimulator& simulator, const std::variant<Setup, SetupError>& read,
                         RefusedText source) {
    if (const auto refused = simulator.Open(read)) return RefusalOf(*refused, source);
    return PagePartOf(std::get<Setup>(read));
}

val vireflu::RefusalOf(const SetupError& refused, RefusedText source) {
    val result = val::object();
    result.set("error", SetupRefusalText(refused, PageTexts("Setup"), source));
    return result;
}

val vireflu::PagePartOf(const Setup& setup) {
    val result = val::object();
    result.set("pace", setup.pacePeriodMs);
    result.set("stator", setup.statorWindow);
    result.set("rotor", setup.rotorWindow);
    result.set("measures", setup.measuresWindow);
    result.set("winding", setup.windingWindow);
    result.set("running", setup.running);
    result.set("projection", setup.projection);
    result.set("sequences", setup.sequences);
    return result;
}

namespace {

// Opens a setup document, or a link's fragment when `link`.
val OpenSetupText(WebSimulator& simulator, const std::string& text, bool link) {
    return link ? OpenedSetup(simulator, ReadSetupLink(text), RefusedText::Link)
                : OpenedSetup(simulator, ReadSetup(text), RefusedText::Setup);
}

}  // namespace

EMSCRIPTEN_BINDINGS(vireflu) {
    using emscripten::optional_override;
    emscripten::function("menus", &Menus);
    emscripten::function("texts", &Texts);
    emscripten::function("panelTemplate", &Template);
    emscripten::function("isAngleFieldText", &IsAngleFieldText);
    emscripten::function("isAngleAboveRange", &IsAngleAboveRange);
    emscripten::function("measuresLegend", &MeasuresLegend);
    emscripten::function("circuitFields", optional_override([] {
                             val fields = val::array();
                             for (const CircuitField& field : kCircuitFields) {
                                 val entry = val::object();
                                 entry.set("label", PageText("Winding", field.label));
                                 entry.set("minimum", field.minimum);
                                 entry.set("maximum", field.maximum);
                                 fields.call<void>("push", entry);
                             }
                             return fields;
                         }));
    emscripten::function("everyMeasureRow",
                         optional_override([] { return RowsOf(EveryMeasureRow()); }));
    emscripten::function("languages", &LanguageList);
    emscripten::function("projectorTextPixels", &ProjectorTextPixels);
    emscripten::function("chooseLanguage", &ChosenLanguage);
    emscripten::function("speak", optional_override([](const std::string& code, val table) {
                             SpeakTable(code, std::move(table));
                         }));
    emscripten::class_<WebSimulator>("Simulator")
        .constructor<>()
        .function("resizeView", &WebSimulator::ResizeView)
        .function("drawFrame", optional_override([](WebSimulator& s, bool advance) {
                      return Bytes(s.DrawFrame(advance));
                  }))
        .function("renderFrame", &WebSimulator::RenderFrame)
        .function("resetClock",
                  optional_override([](WebSimulator& s) { s.GetSession().ResetClock(); }))
        .function("tick", optional_override([](WebSimulator& s) { s.GetSession().Tick(); }))
        .function("toggleAnimation", optional_override([](WebSimulator& s) {
                      return s.GetSession().ToggleAnimation();
                  }))
        .function("whyStill", optional_override([](const WebSimulator& s) {
                      const char* why = s.GetSession().WhyStill();
                      return std::string(why != nullptr ? PageText("Window", why) : "");
                  }))
        .function("running",
                  optional_override([](const WebSimulator& s) { return s.GetSession().Running(); }))
        .function("describe", optional_override([](const WebSimulator& s) {
                      return DescribeMachine(s.State(), s.ComputeMeasures(),
                                             TranslatedMeasureWords(PageTexts("Measures")),
                                             PageTextsOfAnyContext());
                  }))
        .function("menuCommand", optional_override([](WebSimulator& s, int command, int argument) {
                      s.GetSession().Command(static_cast<MenuCommand>(command), argument);
                  }))
        .function("measuresRows", &MeasuresRows)
        .function("measuresCurveSize", optional_override([](const WebSimulator& s) {
                      const CurveSize size = MeasuresCurveSize(s.State().projectorMode != 0);
                      val result = val::object();
                      result.set("width", size.width);
                      result.set("height", size.height);
                      return result;
                  }))
        .function("annotations", &AnnotationsOf)
        .function("windingControls", &WindingControlsOf)
        .function("chooseWindingValue", &ChooseWindingValue)
        .function("setCage",
                  optional_override([](WebSimulator& s, bool on) { s.GetSession().SetCage(on); }))
        .function("cage", optional_override([](const WebSimulator& s) {
                      val cage = val::object();
                      cage.set("on", s.State().cage.on);
                      cage.set("free", s.State().cage.free);
                      cage.set("loadNm", s.State().cage.loadNm);
                      val circuit = val::array();
                      for (const CircuitField& field : kCircuitFields)
                          circuit.call<void>("push", s.State().cage.circuit.*field.value);
                      cage.set("circuit", circuit);
                      return cage;
                  }))
        .function("setCircuit", optional_override([](WebSimulator& s, const val& values) {
                      EquivalentCircuit circuit;
                      for (std::size_t k = 0; k < kCircuitFields.size(); ++k)
                          circuit.*kCircuitFields[k].value = values[k].as<double>();
                      return s.GetSession().SetCircuit(circuit);
                  }))
        .function("setFreeRotor", optional_override([](WebSimulator& s, bool on, double load) {
                      s.GetSession().SetFreeRotor(on, load);
                  }))
        .function("windingSummary", optional_override([](const WebSimulator& s) {
                      return WindingSummary(s.State().winding, PageTexts("Winding"));
                  }))
        .function("drawTorqueSpeedCurve", optional_override([](WebSimulator& s, int w, int h) {
                      return Bytes(s.DrawTorqueSpeedCurve(w, h));
                  }))
        .function("drawEquivalentCircuit", optional_override([](WebSimulator& s, int w, int h) {
                      return Bytes(s.DrawEquivalentCircuit(w, h));
                  }))
        .function("drawSlotStar", optional_override([](WebSimulator& s, int size) {
                      return Bytes(s.DrawSlotStar(size));
                  }))
        .function("drawMeasuresCurve", optional_override([](WebSimulator& s, int w, int h) {
                      return Bytes(s.DrawMeasuresCurve(w, h));
                  }))
        .function("setSequences", optional_override([](WebSimulator& s, bool on) {
                      s.GetSession().SetSequences(on);
                  }))
        .function("openPanel", optional_override([](WebSimulator& s, int selector) {
                      s.OpenPanel(WindingOf(selector));
                  }))
        .function("isOpened", optional_override([](const WebSimulator& s, int selector) {
                      return s.IsOpened(WindingOf(selector));
                  }))
        .function("panelState", &PanelState)
        .function("setupLink", optional_override([](const WebSimulator& s, const val& page) {
                      return SetupLink(s.GetSession().CurrentSetup(PagePart(page)));
                  }))
        .function("setupDocument", optional_override([](const WebSimulator& s, const val& page) {
                      return WriteSetup(s.GetSession().CurrentSetup(PagePart(page)));
                  }))
        .function("openSetup", &OpenSetupText)
        .function("remember", optional_override([](WebSimulator& s, const val& page) {
                      s.GetSession().Remember(PagePart(page));
                  }))
        .function("undo", &Restored<&Session::Undo>)
        .function("redo", &Restored<&Session::Redo>)
        .function("resetAll", &Restored<&Session::ResetAll>)
        .function("startAnimation", &WebSimulator::StartAnimation)
        .function("addAnimationFrame", optional_override([](WebSimulator& s) {
                      return std::string(kGifStatusNames[static_cast<int>(s.AddAnimationFrame())]);
                  }))
        .function("animationBytes", optional_override([](const WebSimulator& s) {
                      const std::vector<std::uint8_t>& bytes = s.AnimationBytes();
                      return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
                  }))
        .function("endAnimation", &WebSimulator::EndAnimation)
        .function("phaseClicked", &Act<&PanelModel::OnPhaseClicked, int, bool>)
        .function("waveformClicked", &WaveformClicked)
        .function("angleChanged", &Act<&PanelModel::OnPhaseAngleChange, int, std::string>)
        .function("angleStepped", &Act<&PanelModel::StepAngle, int, int>)
        .function("sliderMoved", &SliderMoved)
        .function("enterPressed", &Act<&PanelModel::OnOK>)
        .function("drawPhasePicture",
                  optional_override([](WebSimulator& s, int selector, int phase, int w, int h) {
                      return Bytes(s.DrawPhasePicture(WindingOf(selector), phase, w, h));
                  }));
}
