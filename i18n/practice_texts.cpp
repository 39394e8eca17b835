#include "i18n/practice_texts.h"

namespace vorlane {

constinit const PracticeTexts EnglishPracticeTexts{
    .title = "Practice",
    .drillGroup = "Drill",
    .playIt = "Play it",
    .nameIt = "Name it",
    .questionSetGroup = "Questions",
    .rootsLabel = "Roots",
    .allRoots = "All twelve",
    .whiteRoots = "White keys only",
    .typesLabel = "Chord types",
    .triads = "Triads",
    .sevenths = "Sevenths",
    .allTypes = "All",
    .inversions = "Inversions",
    .nameRoot = "Name the root too",
    .check = "Check",
    .skip = "Skip",
    .show = "Show",
    .replay = "Replay",
    .resetRecord = "Reset record",
    .resetQuestion = "Delete your whole practice record? This cannot be undone.",
    .questionName = "Question",
    .verdictName = "Verdict",
    .scoreName = "Score",
    .keyboardName = "Practice keyboard",
    .chartName = "Results by chord type",
    .inversionWords = {"Root position", "First inversion", "Second inversion"},
    .listenPrompt = "Which chord is this?",
    .noTypes = "Choose at least one chord type.",
    .correct = "Correct",
    .notQuite = "Not quite",
    .notQuitePlayed = "Not quite: you played {0}",
    .answerShown = "The answer: {0}",
    .score = "Score: {0} of {1}",
    .streak = "Streak: {0}",
    .medianTime = "Median time: {0}",
    .seconds = "{0} s",
    .noTime = "none yet",
    .decimalSeparator = '.',
    .recordSetAside =
        "Your practice record could not be read and was set aside as {0}; practice starts "
        "with a fresh record.",
    .recordLeftAlone =
        "Your practice record could not be read and is left as it is; answers of this sitting "
        "will not be kept.",
    .recordNotSaved =
        "Your practice record cannot be saved (is the disk full or read-only?); the record "
        "already on disk stays as it was.",
    .recordNotRemoved = "Your practice record could not be deleted.",
    .noResults = "No answers yet.",
    .typeResult = "{0}: {1} attempts, {2}% right, median time {3}.",
    .heardAs = "{0} heard as {1}: {2} times.",
    .playedAs = "{0} played as {1}: {2} times.",
    .noChord = "no chord",
    .rootsOfAnswer = "Root",
    .typesOfAnswer = "Chord type",
    .typeNames = {"Major",
                  "Minor",
                  "Seventh",
                  "Augmented",
                  "Diminished",
                  "Minor seventh",
                  "Major seventh",
                  "Minor major seventh",
                  "Seventh flat five",
                  "Seventh sharp five",
                  "Sixth",
                  "Minor sixth",
                  "Six nine",
                  "Ninth",
                  "Minor ninth",
                  "Minor major ninth",
                  "Eleventh",
                  "Minor eleventh",
                  "Major eleventh",
                  "Thirteenth",
                  "Minor thirteenth",
                  "Major thirteenth",
                  "Suspended second",
                  "Suspended fourth"},
};

constinit const PracticeTexts FrenchPracticeTexts{
    .title = "Entraînement",
    .drillGroup = "Exercice",
    .playIt = "Jouer l'accord",
    .nameIt = "Nommer l'accord",
    .questionSetGroup = "Questions",
    .rootsLabel = "Fondamentales",
    .allRoots = "Les douze",
    .whiteRoots = "Touches blanches seulement",
    .typesLabel = "Types d'accords",
    .triads = "Triades",
    .sevenths = "Septièmes",
    .allTypes = "Tous",
    .inversions = "Renversements",
    .nameRoot = "Nommer aussi la fondamentale",
    .check = "Vérifier",
    .skip = "Passer",
    .show = "Montrer",
    .replay = "Réécouter",
    .resetRecord = "Effacer le bilan",
    .resetQuestion = "Effacer tout votre bilan d'entraînement ? Cela ne peut pas être annulé.",
    .questionName = "Question",
    .verdictName = "Verdict",
    .scoreName = "Score",
    .keyboardName = "Clavier d'entraînement",
    .chartName = "Résultats par type d'accord",
    .inversionWords = {"État fondamental", "Premier renversement", "Deuxième renversement"},
    .listenPrompt = "Quel est cet accord ?",
    .noTypes = "Choisissez au moins un type d'accord.",
    .correct = "Juste",
    .notQuite = "Pas tout à fait",
    .notQuitePlayed = "Pas tout à fait : vous avez joué {0}",
    .answerShown = "La réponse : {0}",
    .score = "Score : {0} sur {1}",
    .streak = "Série : {0}",
    .medianTime = "Temps médian : {0}",
    .seconds = "{0} s",
    .noTime = "pas encore",
    .decimalSeparator = ',',
    .recordSetAside =
        "Votre bilan d'entraînement était illisible et a été mis de côté sous le nom {0} ; "
        "l'entraînement repart d'un bilan vierge.",
    .recordLeftAlone =
        "Votre bilan d'entraînement est illisible et reste tel quel ; les réponses de cette "
        "séance ne seront pas gardées.",
    .recordNotSaved =
        "Impossible d'enregistrer votre bilan d'entraînement (disque plein ou protégé en "
        "écriture ?) ; le bilan déjà sur le disque reste intact.",
    .recordNotRemoved = "Votre bilan d'entraînement n'a pas pu être effacé.",
    .noResults = "Pas encore de réponses.",
    .typeResult = "{0} : {1} essais, {2} % justes, temps médian {3}.",
    .heardAs = "{0} entendu comme {1} : {2} fois.",
    .playedAs = "{0} joué comme {1} : {2} fois.",
    .noChord = "aucun accord",
    .rootsOfAnswer = "Fondamentale",
    .typesOfAnswer = "Type d'accord",
    .typeNames = {"Majeur",
                  "Mineur",
                  "Septième",
                  "Augmenté",
                  "Diminué",
                  "Mineur septième",
                  "Septième majeure",
                  "Mineur septième majeure",
                  "Septième quinte diminuée",
                  "Septième quinte augmentée",
                  "Sixte",
                  "Mineur sixte",
                  "Sixte neuvième",
                  "Neuvième",
                  "Mineur neuvième",
                  "Mineur neuvième majeure",
                  "Onzième",
                  "Mineur onzième",
                  "Onzième majeure",
                  "Treizième",
                  "Mineur treizième",
                  "Treizième majeure",
                  "Suspendu seconde",
                  "Suspendu quarte"},
};

constinit const PracticeTexts DutchPracticeTexts{
    .title = "Oefenen",
    .drillGroup = "Oefening",
    .playIt = "Speel het akkoord",
    .nameIt = "Benoem het akkoord",
    .questionSetGroup = "Vragen",
    .rootsLabel = "Grondtonen",
    .allRoots = "Alle twaalf",
    .whiteRoots = "Alleen witte toetsen",
    .typesLabel = "Akkoordsoorten",
    .triads = "Drieklanken",
    .sevenths = "Septiemakkoorden",
    .allTypes = "Alle",
    .inversions = "Omkeringen",
    .nameRoot = "Ook de grondtoon noemen",
    .check = "Controleer",
    .skip = "Overslaan",
    .show = "Toon",
    .replay = "Opnieuw",
    .resetRecord = "Resultaten wissen",
    .resetQuestion = "Al je oefenresultaten wissen? Dit kan niet ongedaan worden.",
    .questionName = "Vraag",
    .verdictName = "Oordeel",
    .scoreName = "Score",
    .keyboardName = "Oefenklavier",
    .chartName = "Resultaten per akkoordsoort",
    .inversionWords = {"Grondligging", "Eerste omkering", "Tweede omkering"},
    .listenPrompt = "Welk akkoord is dit?",
    .noTypes = "Kies minstens één akkoordsoort.",
    .correct = "Goed",
    .notQuite = "Niet helemaal",
    .notQuitePlayed = "Niet helemaal: je speelde {0}",
    .answerShown = "Het antwoord: {0}",
    .score = "Score: {0} van {1}",
    .streak = "Reeks: {0}",
    .medianTime = "Mediane tijd: {0}",
    .seconds = "{0} s",
    .noTime = "nog geen",
    .decimalSeparator = ',',
    .recordSetAside =
        "Je oefenresultaten waren onleesbaar en zijn opzijgezet als {0}; je begint met "
        "nieuwe resultaten.",
    .recordLeftAlone =
        "Je oefenresultaten zijn onleesbaar en blijven zoals ze zijn; de antwoorden van deze "
        "sessie worden niet bewaard.",
    .recordNotSaved =
        "Je oefenresultaten kunnen niet bewaard worden (is de schijf vol of alleen-lezen?); "
        "wat al op de schijf staat, blijft ongewijzigd.",
    .recordNotRemoved = "Je oefenresultaten konden niet gewist worden.",
    .noResults = "Nog geen antwoorden.",
    .typeResult = "{0}: {1} pogingen, {2}% goed, mediane tijd {3}.",
    .heardAs = "{0} gehoord als {1}: {2} keer.",
    .playedAs = "{0} gespeeld als {1}: {2} keer.",
    .noChord = "geen akkoord",
    .rootsOfAnswer = "Grondtoon",
    .typesOfAnswer = "Akkoordsoort",
    .typeNames = {"Majeur",
                  "Mineur",
                  "Septiem",
                  "Overmatig",
                  "Verminderd",
                  "Mineur septiem",
                  "Grote septiem",
                  "Mineur grote septiem",
                  "Septiem verlaagde kwint",
                  "Septiem verhoogde kwint",
                  "Sext",
                  "Mineur sext",
                  "Sext none",
                  "None",
                  "Mineur none",
                  "Mineur grote none",
                  "Undecime",
                  "Mineur undecime",
                  "Grote undecime",
                  "Tredecime",
                  "Mineur tredecime",
                  "Grote tredecime",
                  "Sus2",
                  "Sus4"},
};

const PracticeTexts& PracticeTextsFor(Language language) {
    switch (language) {
        case Language::English:
            return EnglishPracticeTexts;
        case Language::French:
            return FrenchPracticeTexts;
        case Language::Dutch:
            break;
    }
    return DutchPracticeTexts;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool slot = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
                          pattern[i + 1] >= '0' && pattern[i + 1] <= '9';
        const auto index = slot ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
        if (slot && index < arguments.size()) {
            text += *(arguments.begin() + index);
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace vorlane
