#pragma once
// The language the program speaks: Dutch, everywhere a pupil looks.
//
// The locale is French (the catalogues are looked up for that language), with three catalogues in
// it: the toolkit's own French one, our "robot" catalogue, which turns our few French and English
// source texts into Dutch, and the "wxWidget" catalogue, the toolkit's texts in Dutch (buttons,
// key names, the print preview), which wins over the French one. The system's own dialogs (open,
// save, print) and the key names in the menus come from GTK, which reads its language from the
// environment when it starts.

class wxLocale;

// Asks GTK for Dutch; called before the toolkit starts.
void SpeakDutchToTheSystem();
// The French locale with the "robot" and "wxWidget" catalogues from AppPath("./locale/"); null
// (after a warning on standard error) when the system lacks the French locale.
wxLocale* SetUpDutchLocale();
