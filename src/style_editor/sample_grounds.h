// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/theme.h"
#include "style_editor/style_edit_session.h"

namespace quorvane {

// What the style editor's samples of `element` stand on: the LAND colour of its presentation by
// day and by night, as the map shows it under everything; `canvas` for a time whose LAND colour
// the presentation lacks or that does not read.
SampleGrounds sample_grounds(const Theme& theme, const Element& element, SampleGrounds canvas);

}  // namespace quorvane
