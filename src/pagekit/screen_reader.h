// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a screen reader and the Tab key need from a page of controls built at fixed places.
// GUI thread only.
namespace screenreader {

// Gives every control below `root` that takes focus or is clicked a name and a description
// where its page gave none: a caption-less button is named by its tooltip's words (the key
// in parentheses left out); a control's description is its tooltip, or else its name. A
// control with a caption keeps the caption as its name, which follows the caption. Run once
// the tooltips are set.
void nameControls(QWidget& root);

// Tab runs through the controls below `page` in reading order, as they stand now: rows from
// the top, and within a row the columns from the left, frames and panels each read whole
// before the next.
void orderTabs(QWidget& page);

} // namespace screenreader
