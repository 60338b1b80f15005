// Translating a window built from standard controls: its design-time captions are language keys.
#pragma once

class window_;

// The window's title and the caption of each label, command button, check box, option button
// and frame on it (inside frames and picture boxes too) become lang_text_ of what they hold
// now. Other controls keep their texts. A step that fails is skipped and the next one runs.
void translate_form_(window_& form);
