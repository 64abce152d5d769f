// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/theme_lines.h"

#include <algorithm>

#include "format/reader.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Counts lines forward through one text; positions must come in increasing order.
class LineCounter {
  public:
    explicit LineCounter(QByteArrayView text) : text_(text) {}

    int line_at(qsizetype position) {
        line_ += int(std::count(text_.begin() + counted_, text_.begin() + position, '\n'));
        counted_ = position;
        return line_;
    }

  private:
    QByteArrayView text_;
    qsizetype counted_ = 0;
    int line_ = 1;
};

}  // namespace

ThemeLines find_theme_lines(QByteArrayView input) {
    // The reader works on the text with the spaces around "=" normalised and upper-cased; that
    // removes spaces only, so the line breaks stand where they stood in the file.
    const QByteArray upper = ascii_upper(normalise_equals(input));
    ThemeLines lines;
    if (upper.isEmpty()) {
        return lines;
    }
    const qsizetype metadata = find(upper, "METADATA");
    if (metadata >= 0) {
        lines.metadata = LineCounter(upper).line_at(metadata);
    }
    // The reader also collapses runs of spaces inside each block; that neither makes nor breaks a
    // "<STYLE" or a "FIELD", so the same styles are found here in the original block.
    LineCounter counter(upper);
    const qsizetype length = upper.size();
    for (qsizetype block = find(upper, "<PRESENTATION"); block >= 0;) {
        const qsizetype begin = block + 13;
        const qsizetype next = find(upper, "<PRESENTATION", begin);
        const qsizetype end = next < 0 ? length : next;
        const QByteArrayView text = QByteArrayView(upper).sliced(begin, end - begin);
        for (qsizetype style = find(text, "<STYLE"); style >= 0;) {
            const qsizetype following = find(text, "<STYLE", style + 6);
            const qsizetype style_end = following < 0 ? text.size() : following;
            if (contains(text.sliced(style + 6, style_end - style - 6), "FIELD")) {
                lines.styles.push_back(counter.line_at(begin + style));
            }
            style = following;
        }
        block = next;
    }
    return lines;
}

int line_of(const Finding& finding, const ThemeLines& lines) {
    if (finding.shown_at >= 0 && size_t(finding.shown_at) < lines.styles.size()) {
        return lines.styles[size_t(finding.shown_at)];
    }
    return std::max(lines.metadata, 1);
}

}  // namespace quorvane
