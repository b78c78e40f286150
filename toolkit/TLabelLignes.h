#ifndef OMBRELIN_TLABELLIGNES_H
#define OMBRELIN_TLABELLIGNES_H

#include <QLabel>

// A caption whose runs of spaces end its lines, as it was written, whatever the widths of the
// machine's font: a line too wide for the label is drawn a little narrower, down to a condensed
// face, and wraps at its words only beyond that. text() stays the caption as given, and is never
// read as rich text.
class TLabelLignes : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

#endif
