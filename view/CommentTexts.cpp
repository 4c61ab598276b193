#include "CommentTexts.h"

namespace kelra {
namespace {

// Stored as written, with tab runs after some of the spaces.
const char* const kPhysicalHigh =
    "Your physical cycle is in its high phase today. Energy, vitality \t\t"
    "and strength are at full tide, and your body is well able to \t\t\t"
    "withstand stress, strain and long hours. Endurance, coordination \t\t"
    "and resistance to illness are usually better than on other days, \t\t\t"
    "and your drives, physical and otherwise, run above normal. This \t\t"
    "is a good day for sport, hard work, travel and any task that \t\t\t"
    "asks for stamina. Do not let the feeling of strength lead you \t\t"
    "too far, though: it is easy to overexert yourself now, and reckless \t\t\t"
    "activity can undo the good of the day. Pace yourself and leave some reserve for tomorrow.";

const char* const kPhysicalCritical =
    "Your physical cycle is crossing its midline today, a critical \t\t"
    "day for the body. You may tire more quickly than usual, and your \t\t\t"
    "control over movement and reflexes can be weaker, so the risk \t\t"
    "of accidents and injury is higher. Take extra care on the road, \t\t\t"
    "at work with tools or machines, and in sport. Rest when you can, \t\t"
    "keep yourself comfortable and avoid heavy exertion. People with \t\t\t"
    "health problems should watch for the signs of a crisis and not \t\t"
    "ignore them. For athletes the day is unpredictable: performance \t\t\t"
    "may be at its very best or at its worst.";

const char* const kPhysicalLow =
    "Your physical cycle is in its low phase. Vitality is down and \t\t"
    "your physical reserves are drained while they build up again, \t\t\t"
    "so fatigue comes sooner, endurance is lower and you may feel \t\t"
    "less interest in physical activity. Rest and sleep matter more \t\t\t"
    "than usual now; give the body the time it asks for. Try to resist \t\t"
    "the depressive moods that can come with tiredness, and avoid \t\t\t"
    "both overexertion and overindulgence in food or drink, which \t\t"
    "weigh more heavily on a body that is recharging. Light, steady \t\t\t"
    "activity is better than strenuous effort.";

const char* const kEmotionalHigh =
    "Your emotional cycle is at its high point. Your emotions are \t\t"
    "at their highest and most positive, and you are likely to feel \t\t\t"
    "cheerful, optimistic and outgoing. You find it easy to be supportive \t\t"
    "of others, which makes this a good time for family, friends, \t\t\t"
    "partnerships and other relationships. Creative performance in \t\t"
    "art, music, acting or any work that draws on feeling tends to \t\t\t"
    "be strong. Enjoy the mood, but beware of emotional outbursts \t\t"
    "and of rash, impulsive behaviour: high spirits can carry you \t\t\t"
    "into decisions or words that you later regret.";

const char* const kEmotionalCritical =
    "Your emotional cycle is on a critical day. Feelings may swing \t\t"
    "quickly between exhaustion or depression and euphoria, and small \t\t\t"
    "irritations can turn into flare-ups. You may feel agitated, restless \t\t"
    "or short-tempered, and the stress can affect your health, so \t\t\t"
    "stress-related complaints deserve attention. Take extra care \t\t"
    "in emotionally charged situations such as arguments, negotiations \t\t\t"
    "or difficult conversations, and exercise conscious self-control \t\t"
    "before you react. A critical day is not only a risk: met with \t\t\t"
    "awareness it can also bring an emotional breakthrough, a new \t\t"
    "insight into yourself or others.";

const char* const kEmotionalLow =
    "Your emotional cycle is in its low phase. Your feelings are more \t\t"
    "relaxed or subdued than usual, which can be useful wherever calm \t\t\t"
    "and a cool head are needed, for example in routine work or in \t\t"
    "tense situations. Your sensitivity to others is lower, and your \t\t\t"
    "attention tends to turn inward; some people feel a degree of \t\t"
    "loneliness or withdrawal on such days. You may prefer to watch \t\t\t"
    "rather than take part, and passivity can take the place of engagement. \t\t"
    "Do not expect too much enthusiasm from yourself, and be patient with your moods.";

const char* const kIntellectualHigh =
    "Your intellectual cycle is in its high phase. Your analytical, \t\t"
    "logical and concentrative abilities are high, memory is reliable \t\t\t"
    "and ideas come easily. This is a prime time for creative thinking, \t\t"
    "writing, planning and making important decisions, as well as \t\t\t"
    "for learning new material and taking on new tasks or problems. \t\t"
    "Use the day for the work that demands the most from your mind. \t\t\t"
    "If your day offers no such chances, you may feel frustrated or \t\t"
    "bored by routine, so look for something that challenges you.";

const char* const kIntellectualCritical =
    "Your intellectual cycle is on a critical day. You may tend to \t\t"
    "avoid decisions or to improvise instead of thinking things through. \t\t\t"
    "Carelessness and forgetfulness are more likely, and your reasoning \t\t"
    "and memory can be weaker than usual, so check your work, read \t\t\t"
    "documents twice and write things down. Think before you act, \t\t"
    "especially where money, contracts or safety are involved. A critical \t\t\t"
    "day can go either way: success and failure are both possible, \t\t"
    "and now and then it even brings a stroke of brilliance.";

const char* const kIntellectualLow =
    "Your intellectual cycle is in its low phase. It is harder than \t\t"
    "usual to take up new intellectual matters, and learning, planning \t\t\t"
    "or complicated reasoning may feel like heavy going. Decisions \t\t"
    "and tasks that need concentration can be frustrating, and that \t\t\t"
    "frustration brings a risk of impulsive actions taken just to \t\t"
    "get things done. Mental exhaustion is possible if you push too \t\t\t"
    "hard. Leave difficult problems for a better day when you can, \t\t"
    "and use this time for review, routine and rest.";

const char* const kHeadings[3][3] = {
    {"Physical High:", "Physical Critical:", "Physical Low:"},
    {"Emotional High:", "Emotional Critical:", "Emotional Low:"},
    {"Intellectual High:", "Intellectual Critical:", "Intellectual Low:"},
};

const char* const kParagraphs[3][3] = {
    {kPhysicalHigh, kPhysicalCritical, kPhysicalLow},
    {kEmotionalHigh, kEmotionalCritical, kEmotionalLow},
    {kIntellectualHigh, kIntellectualCritical, kIntellectualLow},
};

int Column(CommentSection section) {
    switch (section) {
        case CommentSection::high: return 0;
        case CommentSection::critical: return 1;
        case CommentSection::low: return 2;
        case CommentSection::none: break;
    }
    return -1;
}

}  // namespace

CommentSection SectionOf(std::string_view state) {
    if (state == "High" || state == "Pick") return CommentSection::high;
    if (state == "Critical") return CommentSection::critical;
    if (state == "Low" || state == "Bottom") return CommentSection::low;
    return CommentSection::none;
}

const char* CommentHeading(CommentCycle cycle, CommentSection section) {
    const int c = Column(section);
    return c < 0 ? nullptr : kHeadings[static_cast<int>(cycle)][c];
}

const char* CommentParagraph(CommentCycle cycle, CommentSection section) {
    const int c = Column(section);
    return c < 0 ? nullptr : kParagraphs[static_cast<int>(cycle)][c];
}

Rgb HeadingColour(CommentSection section) {
    switch (section) {
        case CommentSection::high: return {0, 230, 0};
        case CommentSection::critical: return {239, 230, 0};
        case CommentSection::low: return {230, 0, 0};
        case CommentSection::none: break;
    }
    return {0, 0, 0};
}

}  // namespace kelra
