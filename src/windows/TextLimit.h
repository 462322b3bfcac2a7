#pragma once

class QLineEdit;
class QPlainTextEdit;

// Gives a text box the most text it takes, counted as Qt counts a text's
// length (UTF-16 code units). Typing stops at the limit, and of a paste only
// what fits goes in, where the caret is, the caret after it, the rest of the
// text untouched. Neither box keeps half of a character that needs two units.
void limitLength(QLineEdit *box, int maxLength);
void limitLength(QPlainTextEdit *box, int maxLength);
