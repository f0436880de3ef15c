#include "setup/setup_refusal.h"

#include "shell/interface_text.h"

namespace vireflu {

namespace {

// What went wrong, for whoever wants the detail: the key, the byte, the values accepted.
const char* Detail(SetupFault fault) {
    switch (fault) {
        case SetupFault::NotJson:
            return VIREFLU_UI_TEXT("Setup",
                                   "Détail : le texte n'est pas du JSON lisible (arrêt à "
                                   "l'octet %2).");
        case SetupFault::NotAnObject:
            return VIREFLU_UI_TEXT("Setup", "Détail : le document n'est pas un objet JSON.");
        case SetupFault::TooLarge:
            return VIREFLU_UI_TEXT("Setup", "Détail : il dépasse 64 Kio.");
        case SetupFault::BrokenLink:
            return VIREFLU_UI_TEXT("Setup", "Ce lien ne contient pas de réglage Vireflu lisible.");
        case SetupFault::NoVersion:
            return VIREFLU_UI_TEXT("Setup",
                                   "Détail : la clé « %1 » (la version du format) manque.");
        case SetupFault::NewerVersion:
            return VIREFLU_UI_TEXT("Setup",
                                   "Ce réglage a été fait par une version plus récente de "
                                   "Vireflu (format %2) : mettez Vireflu à jour pour l'ouvrir.");
        case SetupFault::UnknownKey:
            return VIREFLU_UI_TEXT("Setup",
                                   "La clé « %1 » est inconnue de cette version de Vireflu.");
        case SetupFault::BadValue:
            return VIREFLU_UI_TEXT("Setup", "La clé « %1 » accepte %3.");
        case SetupFault::WaveformRule:
            return VIREFLU_UI_TEXT("Setup",
                                   "La clé « %1 » donne une forme d'onde que le panneau n'offre "
                                   "pas avec ce nombre de phases.");
        case SetupFault::MissingKey:
            return VIREFLU_UI_TEXT("Setup", "La clé « %1 » manque.");
        case SetupFault::NoValue:
            return VIREFLU_UI_TEXT("Setup",
                                   "Le simulateur ne peut pas répondre à la question de cette "
                                   "leçon : son réglage ne donne aucune valeur à « %2 ».");
        case SetupFault::NotOneRight:
            return VIREFLU_UI_TEXT("Setup",
                                   "Exactement un des choix de cette leçon doit être juste ; avec "
                                   "son réglage, le simulateur trouve %2.");
    }
    return "";
}

// What a document was not, for a teacher to read first.
const char* NotWhatItClaims(RefusedText source) {
    switch (source) {
        case RefusedText::Link:
            return VIREFLU_UI_TEXT("Setup", "Ce lien ne contient pas de montage Vireflu.");
        case RefusedText::Lesson:
            return VIREFLU_UI_TEXT("Setup", "Ce fichier n'est pas une leçon Vireflu.");
        case RefusedText::Course:
            return VIREFLU_UI_TEXT("Setup", "Ce fichier n'est pas un parcours Vireflu.");
        case RefusedText::CourseLink:
            return VIREFLU_UI_TEXT("Setup", "Ce lien ne contient pas de parcours Vireflu.");
        case RefusedText::Answers:
            return VIREFLU_UI_TEXT("Setup", "Ce journal n'est pas un journal de réponses Vireflu.");
        case RefusedText::Setup:
            break;
    }
    return VIREFLU_UI_TEXT("Setup", "Ce fichier n'est pas un montage Vireflu.");
}

// What cannot be opened though it claims to be one.
const char* CannotOpen(RefusedText source) {
    switch (source) {
        case RefusedText::Lesson:
            return VIREFLU_UI_TEXT("Setup", "Cette leçon ne peut pas être ouverte.");
        case RefusedText::Course:
        case RefusedText::CourseLink:
            return VIREFLU_UI_TEXT("Setup", "Ce parcours ne peut pas être ouvert.");
        case RefusedText::Answers:
            return VIREFLU_UI_TEXT("Setup", "Ce journal de réponses ne peut pas être lu.");
        default:
            return VIREFLU_UI_TEXT("Setup", "Ce montage ne peut pas être ouvert.");
    }
}

// The plain words a teacher reads first; none where the detail already says it plainly.
const char* Lead(SetupFault fault, RefusedText source) {
    switch (fault) {
        case SetupFault::NotJson:
        case SetupFault::NotAnObject:
        case SetupFault::TooLarge:
        case SetupFault::NoVersion:
            return NotWhatItClaims(source);
        case SetupFault::UnknownKey:
        case SetupFault::BadValue:
        case SetupFault::WaveformRule:
        case SetupFault::MissingKey:
            return CannotOpen(source);
        default:
            return source == RefusedText::Course || source == RefusedText::CourseLink
                       ? CannotOpen(source)
                       : nullptr;
    }
}

}  // namespace

std::string SetupRefusalText(const SetupError& error, const Translate& translate,
                             RefusedText source) {
    // A course's link that does not decode has nothing more to say than that.
    if (error.fault == SetupFault::BrokenLink && source == RefusedText::CourseLink)
        return translate(NotWhatItClaims(source));
    std::string text =
        WithArguments(translate(Detail(error.fault)), {error.key, error.detail, error.accepts});
    if (const char* lead = Lead(error.fault, source)) text = translate(lead) + " " + text;
    return text;
}

}  // namespace vireflu
