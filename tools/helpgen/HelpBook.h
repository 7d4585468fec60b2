#pragma once
// The help book: topics in contents order, each a title, index keywords and paragraphs
// of text runs. Read from the UTF-8 help sources; every text in the book is CP932.
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace helpgen {

struct Run {
    enum class Kind { Text, Bold, Link };
    Kind kind;
    std::string text;
    std::string target; // topic id of a link
};

struct Paragraph {
    enum class Kind { Body, Heading, Bullet };
    Kind kind;
    std::vector<Run> runs;
};

struct Topic {
    std::string id; // ASCII letters, digits and '_'
    int level;      // depth in the contents tree, 1 at the top
    std::string title;
    std::vector<std::string> keywords;
    std::vector<Paragraph> paragraphs;
};

struct HelpBook {
    std::string title;
    std::string fontName;
    std::vector<Topic> topics;
    // Index of the topic `id`, or -1.
    int Find(const std::string& id) const;
};

struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text of the topic file of `id`, or nothing when there is none.
using TopicReader = std::function<std::optional<std::string>(const std::string& id)>;
// Named lists of item texts (CP932) that {list:NAME} and {range:NAME} expand.
using ListTable = std::map<std::string, std::vector<std::string>>;

// Reads the project text (title, font, contents tree) and every topic it names.
// Throws SourceError naming the file and the fault: a topic file missing, a link to a
// topic not in the contents, an unknown list, a text with no CP932 form.
HelpBook ReadHelpBook(const std::string& project, const TopicReader& readTopic,
                      const ListTable& lists);

// UTF-8 to CP932; throws SourceError when a character has no CP932 form.
std::string ToCp932(const std::string& utf8);

} // namespace helpgen
