#include "TextLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace {

// A line box cuts what it is given at its maximum length, even between the
// two halves of a character; this takes back the half that was left.
class WholeCharacters final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        if (pos > 0 && pos <= input.size() && input.at(pos - 1).isHighSurrogate()
            && (pos == input.size() || !input.at(pos).isLowSurrogate())) {
            input.remove(pos - 1, 1);
            --pos;
        }
        return Acceptable;
    }
};

} // namespace

void limitLength(QLineEdit *box, int maxLength)
{
    box->setMaxLength(maxLength);
    box->setValidator(new WholeCharacters(box));
}

void limitLength(QPlainTextEdit *box, int maxLength)
{
    QTextDocument *document = box->document();
    QObject::connect(document, &QTextDocument::contentsChange, box, [document, maxLength](int from, int, int added) {
        const int length = document->characterCount() - 1; // without the closing paragraph mark
        const int excess = length - maxLength;
        // What came in ends before that mark, which a change of the whole
        // text counts as added too.
        const int end = std::min(from + added, length);
        if (excess <= 0 || end <= from)
            return;
        // Keep the head of what just came in, as much as fits.
        int cut = std::min(excess, end - from);
        int start = end - cut;
        if (start > from && document->characterAt(start).isLowSurrogate()) {
            --start;
            ++cut;
        }
        QTextCursor cursor(document);
        // One step with the typing or paste it trims, so that one undo takes
        // back both.
        cursor.joinPreviousEditBlock();
        cursor.setPosition(start);
        cursor.setPosition(start + cut, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
    });
}
