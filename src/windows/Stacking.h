#pragma once

#include <QList>

class QWidget;

namespace design {

// Stacks the controls of one container as the design lists them: where two
// of them overlap, the one listed first lies on top. Controls that overlap
// nothing keep the order in which they were created.
void stackAsListed(const QList<QWidget *> &listed);

// Hides every control of the container that lies wholly under an opaque
// sibling, and keeps doing so whenever one of them is brought to the front,
// so that what is hidden is exactly what nobody can see. A screen reader
// then reads only the control on top, and the screen looks the same.
void hideWhatIsCovered(QWidget *container);

} // namespace design
