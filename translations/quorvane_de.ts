<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Garmin Themes </source>
        <translation>Garmin-Designs </translation>
    </message>
    <message>
        <source>Garmin Theme File (kmtf)</source>
        <translation>Garmin-Designdatei (kmtf)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Map Data</source>
        <translation>Kartendaten</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Add Pr&amp;esentations…</source>
        <translation>Darstellungen &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Re&amp;move Presentations…</source>
        <translation>Darstellungen en&amp;tfernen…</translation>
    </message>
    <message>
        <source>&amp;Copy Style</source>
        <translation>Stil &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Style</source>
        <translation>Stil &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Night View</source>
        <translation>&amp;Nachtansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>&amp;About Quorvane</source>
        <translation>&amp;Über Quorvane</translation>
    </message>
    <message>
        <source>Open &amp;Map Data…</source>
        <translation>&amp;Kartendaten öffnen…</translation>
    </message>
    <message>
        <source>&amp;Panels</source>
        <translation>&amp;Bereiche</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>Add lines or polygons</source>
        <translation>Linien oder Polygone hinzufügen</translation>
    </message>
    <message>
        <source>Add Line/Polygon</source>
        <translation>Element hinzufügen</translation>
    </message>
    <message>
        <source>Presentations</source>
        <translation>Darstellungen</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Beschre&amp;ibung</translation>
    </message>
    <message>
        <source>&amp;Locality</source>
        <translation>Re&amp;gion</translation>
    </message>
    <message>
        <source>Ve&amp;rsion</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Locality</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Search feature names</source>
        <translation>Namen der Kartenobjekte durchsuchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>UPDATE AVAILABLE</source>
        <translation>UPDATE VERFÜGBAR</translation>
    </message>
    <message>
        <source>Hide tiles that do not match</source>
        <translation>Nicht passende Kacheln ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;others</source>
        <translation>Andere a&amp;usblenden</translation>
    </message>
    <message>
        <source>Hide the tiles that do not match, instead of fading them</source>
        <translation>Nicht passende Kacheln ausblenden, statt sie abzuschwächen</translation>
    </message>
    <message>
        <source>Type part of a name to pick out its tiles; Enter goes to the next one, Escape clears (Ctrl+F)</source>
        <translation>Geben Sie einen Teil eines Namens ein, um seine Kacheln hervorzuheben; die Eingabetaste springt zur nächsten, Esc leert das Feld (Strg+F)</translation>
    </message>
    <message>
        <source>Night view</source>
        <translation>Nachtansicht</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Actual Size (Ctrl+0)</source>
        <translation>Originalgröße (Strg+0)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
</context>
<context>
    <name>MapFiles</name>
    <message>
        <source>Cannot read the map feature table %1: %2</source>
        <translation>Die Tabelle der Kartenobjekte %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not installed</source>
        <translation>sie ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>MapOverlays</name>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
</context>
<context>
    <name>MapPicking</name>
    <message>
        <source>%1 · not styled in %2</source>
        <translation>%1 · in %2 ohne Stil</translation>
    </message>
    <message>
        <source> · scale %1, border %2</source>
        <translation> · Skalierung %1, Rand %2</translation>
    </message>
</context>
<context>
    <name>Metadata</name>
    <message>
        <source>Oops no meta</source>
        <translation>Hoppla, keine Metadaten</translation>
    </message>
    <message>
        <source>Needs a Title</source>
        <translation>Ein Titel fehlt</translation>
    </message>
</context>
<context>
    <name>PreviewAccessibility</name>
    <message>
        <source>%1, polygon</source>
        <translation>%1, Polygon</translation>
    </message>
    <message>
        <source>%1, line</source>
        <translation>%1, Linie</translation>
    </message>
</context>
<context>
    <name>QtColourPicker</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QtWebRequest</name>
    <message>
        <source>No answer within %1 seconds</source>
        <translation>Keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>No web address</source>
        <translation>Keine Webadresse</translation>
    </message>
</context>
<context>
    <name>QuorvaneCli</name>
    <message>
        <source>--color is auto, always or never</source>
        <translation>--color ist auto, always oder never</translation>
    </message>
    <message>
        <source>diff does not know %1</source>
        <translation>diff kennt %1 nicht</translation>
    </message>
    <message>
        <source>diff --git takes the seven arguments git gives an external diff command</source>
        <translation>diff --git erwartet die sieben Argumente, die git einem externen diff-Befehl übergibt</translation>
    </message>
    <message>
        <source>diff takes A B [--json] [--color=WHEN]</source>
        <translation>diff erwartet A B [--json] [--color=WHEN]</translation>
    </message>
    <message>
        <source>diff reads standard input for one of A and B, not for both</source>
        <translation>diff liest die Standardeingabe nur für A oder B, nicht für beide</translation>
    </message>
    <message>
        <source>build takes IN.json OUT.kmtf [--force]</source>
        <translation>build erwartet IN.json OUT.kmtf [--force]</translation>
    </message>
    <message>
        <source>%1 is too large to read</source>
        <translation>%1 ist zu groß zum Lesen</translation>
    </message>
    <message>
        <source>--where takes a condition</source>
        <translation>--where erwartet eine Bedingung</translation>
    </message>
    <message>
        <source>--set takes a change</source>
        <translation>--set erwartet eine Änderung</translation>
    </message>
    <message>
        <source>-o takes a file name</source>
        <translation>-o erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>edit does not know %1</source>
        <translation>edit kennt %1 nicht</translation>
    </message>
    <message>
        <source>edit takes THEME... [--where CONDITION]... --set CHANGE... and one of -o OUT, --in-place or --dry-run</source>
        <translation>edit erwartet THEME... [--where CONDITION]... --set CHANGE... und eines von -o OUT, --in-place oder --dry-run</translation>
    </message>
    <message>
        <source>-o takes one THEME; --in-place edits several</source>
        <translation>-o erwartet genau ein THEME; --in-place bearbeitet mehrere</translation>
    </message>
    <message>
        <source>--in-place cannot write standard input back</source>
        <translation>--in-place kann die Standardeingabe nicht zurückschreiben</translation>
    </message>
    <message>
        <source>--json and --color go with --dry-run</source>
        <translation>--json und --color gelten nur mit --dry-run</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>A style has no PRIMARY colour</source>
        <translation>Ein Stil hat keine PRIMARY-Farbe</translation>
    </message>
    <message>
        <source>Can&apos;t find type!</source>
        <translation>Typ nicht gefunden!</translation>
    </message>
    <message>
        <source>No polygons or lines found</source>
        <translation>Keine Polygone oder Linien gefunden</translation>
    </message>
    <message>
        <source>%1 is too large to read</source>
        <translation>%1 ist zu groß zum Lesen</translation>
    </message>
    <message>
        <source>%1 is not a map theme</source>
        <translation>%1 ist kein Kartendesign</translation>
    </message>
</context>
<context>
    <name>RecolourEdit</name>
    <message>
        <source>Replace Colour</source>
        <translation>Farbe ersetzen</translation>
    </message>
    <message>
        <source>Adjust Colours</source>
        <translation>Farben anpassen</translation>
    </message>
    <message>
        <source>Make Night Colours</source>
        <translation>Nachtfarben erzeugen</translation>
    </message>
    <message>
        <source>Snap to Device Palette</source>
        <translation>An Gerätepalette angleichen</translation>
    </message>
    <message>
        <source>No style changed</source>
        <translation>Kein Stil geändert</translation>
    </message>
    <message>
        <source>Colour replaced in 1 style</source>
        <translation>Farbe in 1 Stil ersetzt</translation>
    </message>
    <message>
        <source>Colour replaced in %1 styles</source>
        <translation>Farbe in %1 Stilen ersetzt</translation>
    </message>
    <message>
        <source>Colours adjusted in 1 style</source>
        <translation>Farben in 1 Stil angepasst</translation>
    </message>
    <message>
        <source>Colours adjusted in %1 styles</source>
        <translation>Farben in %1 Stilen angepasst</translation>
    </message>
    <message>
        <source>Night colours made for 1 style</source>
        <translation>Nachtfarben für 1 Stil erzeugt</translation>
    </message>
    <message>
        <source>Night colours made for %1 styles</source>
        <translation>Nachtfarben für %1 Stile erzeugt</translation>
    </message>
    <message>
        <source>1 style snapped to the device palette</source>
        <translation>1 Stil an die Gerätepalette angeglichen</translation>
    </message>
    <message>
        <source>%1 styles snapped to the device palette</source>
        <translation>%1 Stile an die Gerätepalette angeglichen</translation>
    </message>
</context>
<context>
    <name>StyleColours</name>
    <message>
        <source>Applied to %1 additional elements</source>
        <translation>Auf %1 weitere Elemente angewendet</translation>
    </message>
</context>
<context>
    <name>StyleQuery</name>
    <message>
        <source>%1: the value is missing</source>
        <translation>%1: Der Wert fehlt</translation>
    </message>
    <message>
        <source>%1: the kind is line or polygon</source>
        <translation>%1: Die Art ist line oder polygon</translation>
    </message>
    <message>
        <source>%1: the colour is six hexadecimal digits, such as #FF8000</source>
        <translation>%1: Die Farbe besteht aus sechs Hexadezimalziffern, etwa #FF8000</translation>
    </message>
    <message>
        <source>%1: a condition is feature=, presentation=, kind= or colour=</source>
        <translation>%1: Eine Bedingung ist feature=, presentation=, kind= oder colour=</translation>
    </message>
</context>
<context>
    <name>StyleSetters</name>
    <message>
        <source>&quot;%1&quot; is not a number such as 1.5 or .6</source>
        <translation>„%1“ ist keine Zahl wie 1.5 oder .6</translation>
    </message>
    <message>
        <source>a border of 0 is left out of the file, and the line would read back as an area</source>
        <translation>ein Rand von 0 wird nicht in die Datei geschrieben, und die Linie würde als Fläche zurückgelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour such as #FF8000</source>
        <translation>„%1“ ist keine Farbe wie #FF8000</translation>
    </message>
    <message>
        <source>a colour replacement is colour:#OLD=#NEW</source>
        <translation>eine Farbersetzung lautet colour:#OLD=#NEW</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a darkness, a whole number from %2 to %3</source>
        <translation>„%1“ ist keine Dunkelheit, also keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>snap-to-palette takes no value</source>
        <translation>snap-to-palette erwartet keinen Wert</translation>
    </message>
    <message>
        <source>%1: a change is scale=, border=, primary.day=, primary.night=, secondary.day=, secondary.night=, colour:#OLD=#NEW, night-from-day[=DARKNESS] or snap-to-palette</source>
        <translation>%1: Eine Änderung ist scale=, border=, primary.day=, primary.night=, secondary.day=, secondary.night=, colour:#OLD=#NEW, night-from-day[=DARKNESS] oder snap-to-palette</translation>
    </message>
    <message>
        <source>No style changed</source>
        <translation>Kein Stil geändert</translation>
    </message>
    <message>
        <source>1 style changed</source>
        <translation>1 Stil geändert</translation>
    </message>
    <message>
        <source>%1 styles changed</source>
        <translation>%1 Stile geändert</translation>
    </message>
    <message>
        <source>%1 in 1 presentation</source>
        <translation>%1 in 1 Darstellung</translation>
    </message>
    <message>
        <source>%1 in %2 presentations</source>
        <translation>%1 in %2 Darstellungen</translation>
    </message>
    <message>
        <source>; 1 area left alone (an area has no scale, border or secondary colour)</source>
        <translation>; 1 Fläche nicht geändert (eine Fläche hat keine Skalierung, keinen Rand und keine Sekundärfarbe)</translation>
    </message>
    <message>
        <source>; %1 areas left alone (an area has no scale, border or secondary colour)</source>
        <translation>; %1 Flächen nicht geändert (eine Fläche hat keine Skalierung, keinen Rand und keine Sekundärfarbe)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Error saving %1: %2</source>
        <translation>Fehler beim Speichern von %1: %2</translation>
    </message>
    <message>
        <source>Check that you may write to that folder.</source>
        <translation>Prüfen Sie, ob Sie in diesen Ordner schreiben dürfen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ThemeCheck</name>
    <message>
        <source>so it draws black</source>
        <translation>daher wird sie schwarz gezeichnet</translation>
    </message>
    <message>
        <source>so it is read as %1</source>
        <translation>daher wird sie als %1 gelesen</translation>
    </message>
    <message>
        <source>PRIMARY day colour</source>
        <translation>PRIMARY-Tagesfarbe</translation>
    </message>
    <message>
        <source>PRIMARY night colour</source>
        <translation>PRIMARY-Nachtfarbe</translation>
    </message>
    <message>
        <source>SECONDARY day colour</source>
        <translation>SECONDARY-Tagesfarbe</translation>
    </message>
    <message>
        <source>SECONDARY night colour</source>
        <translation>SECONDARY-Nachtfarbe</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>bei Tag</translation>
    </message>
    <message>
        <source>by night</source>
        <translation>bei Nacht</translation>
    </message>
    <message>
        <source>Core and border are hard to tell apart %1, below 1.5:1, so the line is hard to see on the device. Make the border lighter or darker in the style editor.</source>
        <translation>Kern und Rand sind %1 kaum zu unterscheiden, unter 1.5:1, daher ist die Linie auf dem Gerät schlecht zu sehen. Machen Sie den Rand im Stil-Editor heller oder dunkler.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>This style has no feature name, so the device ignores it.</source>
        <translation>Dieser Stil hat keinen Objektnamen, daher ignoriert ihn das Gerät.</translation>
    </message>
    <message>
        <source> (did you mean %1?)</source>
        <translation> (meinten Sie %1?)</translation>
    </message>
    <message>
        <source>%1 is not a feature of the catalogue%2, so the device ignores this style. Add the feature you meant with &quot;+&quot;.</source>
        <translation>%1 ist kein Kartenobjekt des Katalogs%2, daher ignoriert das Gerät diesen Stil. Fügen Sie das gemeinte Kartenobjekt mit „+“ hinzu.</translation>
    </message>
    <message>
        <source>The %1 day colour is empty, so the style is saved without a %1 colour and draws black. Give it a day colour in the style editor.</source>
        <translation>Die %1-Tagesfarbe ist leer, daher wird der Stil ohne %1-Farbe gespeichert und schwarz gezeichnet. Geben Sie dem Stil im Stil-Editor eine Tagesfarbe.</translation>
    </message>
    <message>
        <source>The %1 day colour is empty, so the %1 night colour (%2) is not written at the next save. Give it a day colour in the style editor.</source>
        <translation>Die %1-Tagesfarbe ist leer, daher wird die %1-Nachtfarbe (%2) beim nächsten Speichern nicht geschrieben. Geben Sie dem Stil im Stil-Editor eine Tagesfarbe.</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>1 hint</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <source>%1 hints</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <source>The theme has no title, and Save refuses a theme without one. Type a title in the Title box.</source>
        <translation>Das Design hat keinen Titel, und Speichern lehnt ein Design ohne Titel ab. Geben Sie im Feld „Titel“ einen Titel ein.</translation>
    </message>
    <message>
        <source>The theme has no styles, and Save refuses an empty theme. Add polygons and lines with &quot;+&quot;.</source>
        <translation>Das Design hat keine Stile, und Speichern lehnt ein leeres Design ab. Fügen Sie Polygone und Linien mit „+“ hinzu.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not six hexadecimal digits (RRGGBB), %3. Pick the colour again in the style editor.</source>
        <translation>Die %1 „%2“ besteht nicht aus sechs Hexadezimalziffern (RRGGBB), %3. Wählen Sie die Farbe im Stil-Editor neu.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number, so it counts as 0. Set the %1 in the style editor.</source>
        <translation>Der Wert „%2“ für %1 ist keine Zahl und zählt daher als 0. Legen Sie den Wert für %1 im Stil-Editor fest.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the six presentations (%2), so the device ignores its styles; Quorvane sorts it as %3. Use one of the six names.</source>
        <translation>„%1“ ist keine der sechs Darstellungen (%2), daher ignoriert das Gerät ihre Stile; Quorvane sortiert sie wie %3 ein. Verwenden Sie einen der sechs Namen.</translation>
    </message>
    <message>
        <source>%1 is an area, but this style has a border (&quot;%2&quot;), so it is kept and drawn as a line. Remove the border from its STYLE tag.</source>
        <translation>%1 ist eine Fläche, aber dieser Stil hat einen Rand („%2“), daher wird er als Linie behalten und gezeichnet. Entfernen Sie den Rand aus seinem STYLE-Tag.</translation>
    </message>
    <message>
        <source>%1 is a line, but this style has no border, so it is kept and drawn as an area with one fill colour. Give its STYLE tag a border, such as border=&quot;0.6&quot;.</source>
        <translation>%1 ist eine Linie, aber dieser Stil hat keinen Rand, daher wird er als Fläche mit einer Füllfarbe behalten und gezeichnet. Geben Sie seinem STYLE-Tag einen Rand, etwa border=&quot;0.6&quot;.</translation>
    </message>
    <message>
        <source>%1 is styled more than once in %2; the styles compete and only one can apply. Keep one style per feature in each presentation.</source>
        <translation>%1 hat in %2 mehr als einen Stil; die Stile konkurrieren, und nur einer kann gelten. Behalten Sie in jeder Darstellung einen Stil je Kartenobjekt.</translation>
    </message>
    <message>
        <source>The border is 0, so the SECONDARY colours are not written at the next save, nor is the border: the style is read back as an area. Give it a border above 0 or clear the SECONDARY colours.</source>
        <translation>Der Rand ist 0, daher werden beim nächsten Speichern weder die SECONDARY-Farben noch der Rand geschrieben: Der Stil wird als Fläche zurückgelesen. Geben Sie ihm einen Rand über 0, oder leeren Sie die SECONDARY-Farben.</translation>
    </message>
    <message>
        <source>The version &quot;%1&quot; is not two numbers joined by a dot (such as 1.00), so it is saved as major &quot;%2&quot;, minor &quot;%3&quot;. Type it as major.minor in the Version box.</source>
        <translation>Die Version „%1“ besteht nicht aus zwei durch einen Punkt verbundenen Zahlen (etwa 1.00), daher wird sie als Hauptversion „%2“, Nebenversion „%3“ gespeichert. Geben Sie sie im Feld „Version“ als Hauptversion.Nebenversion ein.</translation>
    </message>
    <message>
        <source>%1 has no style for %2, which every other presentation styles. Add it with &quot;+&quot; if %1 should style it too.</source>
        <translation>%1 hat keinen Stil für %2, den jede andere Darstellung hat. Fügen Sie ihn mit „+“ hinzu, wenn %1 ihn ebenfalls darstellen soll.</translation>
    </message>
    <message>
        <source>protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>%1 and %2 look alike %3 to people with %4 (colour difference %5, %6 for everyone else), so they can hardly tell the two lines apart. Make one of them lighter or darker: a difference in lightness shows to everyone. View &gt; Simulate shows the theme as they see it.</source>
        <translation>%1 und %2 sehen %3 für Menschen mit %4 gleich aus (Farbabstand %5, für alle anderen %6), sodass sie die beiden Linien kaum unterscheiden können. Machen Sie eine davon heller oder dunkler: Einen Helligkeitsunterschied sieht jeder. Ansicht &gt; Simulieren zeigt das Design so, wie diese Menschen es sehen.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>ThemeColourList</name>
    <message>
        <source>Device colours</source>
        <translation>Gerätefarben</translation>
    </message>
    <message>
        <source>%1  (1 style)</source>
        <translation>%1  (1 Stil)</translation>
    </message>
    <message>
        <source>%1  (%2 styles)</source>
        <translation>%1  (%2 Stile)</translation>
    </message>
</context>
<context>
    <name>ThemeDiffReport</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 style added</source>
        <translation>1 Stil hinzugefügt</translation>
    </message>
    <message>
        <source>%1 styles added</source>
        <translation>%1 Stile hinzugefügt</translation>
    </message>
    <message>
        <source>1 style removed</source>
        <translation>1 Stil entfernt</translation>
    </message>
    <message>
        <source>%1 styles removed</source>
        <translation>%1 Stile entfernt</translation>
    </message>
    <message>
        <source>1 style changed</source>
        <translation>1 Stil geändert</translation>
    </message>
    <message>
        <source>%1 styles changed</source>
        <translation>%1 Stile geändert</translation>
    </message>
    <message>
        <source>1 presentation added</source>
        <translation>1 Darstellung hinzugefügt</translation>
    </message>
    <message>
        <source>%1 presentations added</source>
        <translation>%1 Darstellungen hinzugefügt</translation>
    </message>
    <message>
        <source>1 presentation removed</source>
        <translation>1 Darstellung entfernt</translation>
    </message>
    <message>
        <source>%1 presentations removed</source>
        <translation>%1 Darstellungen entfernt</translation>
    </message>
    <message>
        <source>metadata changed</source>
        <translation>Metadaten geändert</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>presentations</source>
        <translation>Darstellungen</translation>
    </message>
    <message>
        <source>1 style</source>
        <translation>1 Stil</translation>
    </message>
    <message>
        <source>%1 styles</source>
        <translation>%1 Stile</translation>
    </message>
    <message>
        <source>same styles, different order</source>
        <translation>gleiche Stile, andere Reihenfolge</translation>
    </message>
</context>
<context>
    <name>ThemeEdits</name>
    <message>
        <source>Delete 1 Element</source>
        <translation>1 Element löschen</translation>
    </message>
    <message>
        <source>Delete %1 Elements</source>
        <translation>%1 Elemente löschen</translation>
    </message>
    <message>
        <source>Paste Style onto 1 Element</source>
        <translation>Stil auf 1 Element einfügen</translation>
    </message>
    <message>
        <source>Paste Style onto %1 Elements</source>
        <translation>Stil auf %1 Elemente einfügen</translation>
    </message>
    <message>
        <source>Add 1 Element</source>
        <translation>1 Element hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 Elements</source>
        <translation>%1 Elemente hinzufügen</translation>
    </message>
    <message>
        <source>Add Presentation %1</source>
        <translation>Darstellung %1 hinzufügen</translation>
    </message>
    <message>
        <source>Add Presentations %1</source>
        <translation>Darstellungen %1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove Presentation %1</source>
        <translation>Darstellung %1 entfernen</translation>
    </message>
    <message>
        <source>Remove Presentations %1</source>
        <translation>Darstellungen %1 entfernen</translation>
    </message>
    <message>
        <source>Apply to All Presentations (1 element)</source>
        <translation>Für alle Darstellungen (1 Element)</translation>
    </message>
    <message>
        <source>Apply to All Presentations (%1 elements)</source>
        <translation>Für alle Darstellungen (%1 Elemente)</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Farbe von %1</translation>
    </message>
    <message>
        <source>Style of %1</source>
        <translation>Stil von %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Locality</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>ThemeFromJson</name>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>expected , or }</source>
        <translation>, oder } erwartet</translation>
    </message>
    <message>
        <source>expected , or ]</source>
        <translation>, oder ] erwartet</translation>
    </message>
    <message>
        <source>expected a key in double quotes</source>
        <translation>Schlüssel in doppelten Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>expected : after the key</source>
        <translation>: nach dem Schlüssel erwartet</translation>
    </message>
    <message>
        <source>more text after the JSON value</source>
        <translation>weiterer Text nach dem JSON-Wert</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>unerwartet: %1</translation>
    </message>
    <message>
        <source>the text ends too early</source>
        <translation>der Text endet zu früh</translation>
    </message>
    <message>
        <source>malformed number</source>
        <translation>fehlerhafte Zahl</translation>
    </message>
    <message>
        <source>a control character in a string must be escaped</source>
        <translation>ein Steuerzeichen in einer Zeichenkette muss maskiert werden</translation>
    </message>
    <message>
        <source>the string has no closing quote</source>
        <translation>der Zeichenkette fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>\u needs four hexadecimal digits</source>
        <translation>\u braucht vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>unknown escape \%1</source>
        <translation>unbekannte Escape-Sequenz \%1</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>%1 erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unbekannter Schlüssel</translation>
    </message>
    <message>
        <source>the key is given twice</source>
        <translation>der Schlüssel kommt doppelt vor</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TileCommands</name>
    <message>
        <source>Style pasted: %1 changed, 1 line skipped</source>
        <translation>Stil eingefügt: %1 geändert, 1 Linie übersprungen</translation>
    </message>
    <message>
        <source>Style pasted: %1 changed, %2 lines skipped</source>
        <translation>Stil eingefügt: %1 geändert, %2 Linien übersprungen</translation>
    </message>
    <message>
        <source>Style pasted: %1 changed, 1 polygon skipped</source>
        <translation>Stil eingefügt: %1 geändert, 1 Polygon übersprungen</translation>
    </message>
    <message>
        <source>Style pasted: %1 changed, %2 polygons skipped</source>
        <translation>Stil eingefügt: %1 geändert, %2 Polygone übersprungen</translation>
    </message>
</context>
<context>
    <name>TileMenu</name>
    <message>
        <source>Tile menu</source>
        <translation>Kachelmenü</translation>
    </message>
    <message>
        <source>&amp;Edit Style…</source>
        <translation>Stil &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All Presentations</source>
        <translation>Stil auf &amp;alle Darstellungen anwenden</translation>
    </message>
</context>
<context>
    <name>WritableValues</name>
    <message>
        <source>%1 would read back as %2</source>
        <translation>%1 würde als %2 zurückgelesen</translation>
    </message>
    <message>
        <source>%1 would change how the rest of its style reads back</source>
        <translation>%1 würde ändern, wie der Rest seines Stils zurückgelesen wird</translation>
    </message>
    <message>
        <source>a border of 0 is left out of the file, and the line would read back as an area</source>
        <translation>ein Rand von 0 wird nicht in die Datei geschrieben, und die Linie würde als Fläche zurückgelesen</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a colour (six hexadecimal digits, such as FF8000)</source>
        <translation>%1 ist keine Farbe (sechs Hexadezimalziffern, etwa FF8000)</translation>
    </message>
    <message>
        <source>%1 would be left out of the file: a night colour is written only with its day colour</source>
        <translation>%1 würde nicht in die Datei geschrieben: Eine Nachtfarbe wird nur zusammen mit ihrer Tagesfarbe geschrieben</translation>
    </message>
    <message>
        <source>%1 would be left out of the file: a style with a border of 0 has no secondary colours there</source>
        <translation>%1 würde nicht in die Datei geschrieben: Ein Stil mit einem Rand von 0 hat dort keine Sekundärfarben</translation>
    </message>
    <message>
        <source>a style needs a field name</source>
        <translation>ein Stil braucht einen Objektnamen</translation>
    </message>
    <message>
        <source>%1 holds a line end, which a metadata field cannot</source>
        <translation>%1 enthält einen Zeilenumbruch, den ein Metadatenfeld nicht enthalten kann</translation>
    </message>
    <message>
        <source>the metadata would change how the styles read back</source>
        <translation>die Metadaten würden ändern, wie die Stile zurückgelesen werden</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
</context>
<context>
    <name>Writer</name>
    <message>
        <source>Error with Border Height</source>
        <translation>Fehler in der Randbreite</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>Vorhandene Datei überschreiben?</translation>
    </message>
    <message>
        <source>Invalid file:</source>
        <translation>Ungültige Datei:</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4 holds a quote, &quot;&lt;&quot;, &quot;&gt;&quot; or a line end, which would end it early in the file</source>
        <translation>%1, %2, %3: %4 enthält ein Anführungszeichen, &quot;&lt;&quot;, &quot;&gt;&quot; oder ein Zeilenende, womit der Wert in der Datei zu früh enden würde</translation>
    </message>
    <message>
        <source>The theme was not saved: these values would not read back as they are:</source>
        <translation>Das Design wurde nicht gespeichert: Diese Werte würden nicht so zurückgelesen, wie sie sind:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>quorvane::AboutBox</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta </source>
        <translation>Beta </translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Beta</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>quorvane::AdjustColoursDialog</name>
    <message>
        <source>Day or night colours</source>
        <translation>Tages- oder Nachtfarben</translation>
    </message>
    <message>
        <source>Day and night colours</source>
        <translation>Tages- und Nachtfarben</translation>
    </message>
    <message>
        <source>Day colours</source>
        <translation>Tagesfarben</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Nachtfarben</translation>
    </message>
    <message>
        <source>Adjust Colours</source>
        <translation>Farben anpassen</translation>
    </message>
    <message>
        <source>&amp;Hue:</source>
        <translation>&amp;Farbton:</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>&amp;Saturation:</source>
        <translation>&amp;Sättigung:</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Lightness:</source>
        <translation>&amp;Helligkeit:</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>C&amp;ontrast:</source>
        <translation>K&amp;ontrast:</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <translation>Än&amp;dern:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Works on %1.</source>
        <translation>Wirkt auf %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::ElementPicker</name>
    <message>
        <source>Add Elements</source>
        <translation>Elemente hinzufügen</translation>
    </message>
    <message>
        <source>Presentations</source>
        <translation>Darstellungen</translation>
    </message>
    <message>
        <source> 1) Click on a Presentation

2) Select polygon(s) or line(s)

3) (Shift/CTRL)click to select more than one.</source>
        <translation> 1) Klicken Sie auf eine Darstellung

2) Wählen Sie Polygone oder Linien

3) Mit (Umschalt/Strg+)Klick wählen Sie mehrere.</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select all polygons</source>
        <translation>Alle Polygone auswählen</translation>
    </message>
    <message>
        <source>Select all lines</source>
        <translation>Alle Linien auswählen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please select a Presentation</source>
        <translation>Bitte wählen Sie eine Darstellung</translation>
    </message>
    <message>
        <source>Please select a line or polygon.</source>
        <translation>Bitte wählen Sie eine Linie oder ein Polygon.</translation>
    </message>
    <message>
        <source>Filter the features</source>
        <translation>Kartenobjekte filtern</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>&amp;PRESENTATIONS</source>
        <translation>&amp;DARSTELLUNGEN</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>P&amp;OLYGONS</source>
        <translation>P&amp;OLYGONE</translation>
    </message>
    <message>
        <source>&amp;LINES</source>
        <translation>&amp;LINIEN</translation>
    </message>
    <message>
        <source>%1
Already in %2</source>
        <translation>%1
Bereits in %2</translation>
    </message>
</context>
<context>
    <name>quorvane::MainWindow</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cannot find %1</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>No elements</source>
        <translation>Keine Elemente</translation>
    </message>
    <message>
        <source>Copied the style of %1</source>
        <translation>Stil von %1 kopiert</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>K&amp;arte</translation>
    </message>
    <message>
        <source>This Quorvane was built without the address of its manual. The README at %1 describes what it does.</source>
        <translation>Diese Quorvane-Version wurde ohne die Adresse ihres Handbuchs erstellt. Die README-Datei unter %1 beschreibt, was sie kann.</translation>
    </message>
    <message>
        <source>The clipboard holds no copied style</source>
        <translation>Die Zwischenablage enthält keinen kopierten Stil</translation>
    </message>
    <message>
        <source>Style not pasted: %1</source>
        <translation>Stil nicht eingefügt: %1</translation>
    </message>
</context>
<context>
    <name>quorvane::MapCanvas</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>quorvane::MapDock</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Reading map data…</source>
        <translation>Kartendaten werden gelesen…</translation>
    </message>
    <message>
        <source>Reading map data</source>
        <translation>Kartendaten werden gelesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel reading the map data</source>
        <translation>Lesen der Kartendaten abbrechen</translation>
    </message>
    <message>
        <source>Feature under the pointer</source>
        <translation>Kartenobjekt unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>The presentation the map shows</source>
        <translation>Die Darstellung, die die Karte zeigt</translation>
    </message>
    <message>
        <source>Presentations</source>
        <translation>Darstellungen</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Show the whole map (Home)</source>
        <translation>Die ganze Karte zeigen (Pos1)</translation>
    </message>
    <message>
        <source>&amp;Sample Town</source>
        <translation>&amp;Beispielstadt</translation>
    </message>
    <message>
        <source>Show the sample town again</source>
        <translation>Wieder die Beispielstadt zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Unstyled</source>
        <translation>&amp;Ohne Stil ausblenden</translation>
    </message>
    <message>
        <source>Leave out the features the presentation does not style</source>
        <translation>Kartenobjekte weglassen, für die die Darstellung keinen Stil hat</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legende</translation>
    </message>
    <message>
        <source>List the features of the map data, styled or not</source>
        <translation>Die Kartenobjekte der Kartendaten auflisten, mit oder ohne Stil</translation>
    </message>
    <message>
        <source>More map tools</source>
        <translation>Weitere Kartenwerkzeuge</translation>
    </message>
    <message>
        <source>Reading the map data was cancelled</source>
        <translation>Das Lesen der Kartendaten wurde abgebrochen</translation>
    </message>
    <message>
        <source>it is not installed</source>
        <translation>sie ist nicht installiert</translation>
    </message>
    <message numerus="yes">
        <source>Show the %n other file(s), which were read whole?</source>
        <translation>
            <numerusform>Die %n weitere Datei anzeigen, die vollständig gelesen wurde?</numerusform>
            <numerusform>Die %n weiteren Dateien anzeigen, die vollständig gelesen wurden?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not styled)</source>
        <translation>%1 (ohne Stil)</translation>
    </message>
    <message>
        <source>%1, in view</source>
        <translation>%1, im Ausschnitt</translation>
    </message>
    <message>
        <source>%1, not in view</source>
        <translation>%1, außerhalb des Ausschnitts</translation>
    </message>
    <message>
        <source>Sample Town</source>
        <translation>Beispielstadt</translation>
    </message>
    <message>
        <source>%1 is not styled in %2. Add it to %2?</source>
        <translation>%1 hat in %2 keinen Stil. Zu %2 hinzufügen?</translation>
    </message>
</context>
<context>
    <name>quorvane::NightColoursDialog</name>
    <message>
        <source>Make Night Colours</source>
        <translation>Nachtfarben erzeugen</translation>
    </message>
    <message>
        <source>Each night colour is made from its day colour. The land becomes the darkest colour of the map; other areas keep their hues and stay as far apart from it as by day. Lines keep their hues, stay mid-light, and stand out from the ground and from their casing at least as much as by day (up to 3:1).</source>
        <translation>Jede Nachtfarbe wird aus ihrer Tagesfarbe erzeugt. Das Land wird zur dunkelsten Farbe der Karte; andere Flächen behalten ihre Farbtöne und heben sich so stark davon ab wie bei Tag. Linien behalten ihre Farbtöne, bleiben mittelhell und heben sich mindestens so stark wie bei Tag vom Untergrund und von ihrem Rand ab (bis 3:1).</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Dunkelheit</translation>
    </message>
    <message>
        <source>&amp;Darkness:</source>
        <translation>&amp;Dunkelheit:</translation>
    </message>
    <message>
        <source>Night colours for %1; the day colours stay.</source>
        <translation>Nachtfarben für %1; die Tagesfarben bleiben.</translation>
    </message>
</context>
<context>
    <name>quorvane::PresentationManager</name>
    <message>
        <source>Add &amp; Remove Presentations</source>
        <translation>Darstellungen hinzufügen und entfernen</translation>
    </message>
    <message>
        <source>YOUR PROJECT</source>
        <translation>IHR PROJEKT</translation>
    </message>
    <message>
        <source>Your project</source>
        <translation>Ihr Projekt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>--&gt; &amp;ADD</source>
        <translation>--&gt; &amp;DAZU</translation>
    </message>
    <message>
        <source>Add presentation</source>
        <translation>Darstellung hinzufügen</translation>
    </message>
    <message>
        <source>&lt;-- &amp;REMOVE</source>
        <translation>&lt;-- &amp;LÖSCHEN</translation>
    </message>
    <message>
        <source>Take back from adding</source>
        <translation>Nicht mehr hinzufügen</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Hinzuzufügen</translation>
    </message>
    <message>
        <source>Remove presentation</source>
        <translation>Darstellung entfernen</translation>
    </message>
    <message>
        <source>Presentations kept</source>
        <translation>Verbleibende Darstellungen</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please select a PRESENTATION</source>
        <translation>Bitte wählen Sie eine DARSTELLUNG</translation>
    </message>
    <message>
        <source>Please select</source>
        <translation>Bitte wählen Sie eine aus</translation>
    </message>
    <message>
        <source>Can not remove project.<byte value="xd"/>
<byte value="xd"/>
Use &apos;New&apos; to start new project.</source>
        <translation>Das Projekt kann nicht entfernt werden.<byte value="xd"/>
<byte value="xd"/>
Beginnen Sie mit „Neu“ ein neues Projekt.</translation>
    </message>
    <message>
        <source>Please click ADD</source>
        <translation>Bitte klicken Sie auf DAZU</translation>
    </message>
    <message>
        <source>No elements</source>
        <translation>Keine Elemente</translation>
    </message>
    <message>
        <source>A&amp;VAILABLE</source>
        <translation>&amp;VERFÜGBAR</translation>
    </message>
    <message>
        <source>A&amp;DDING</source>
        <translation>HIN&amp;ZUZUFÜGEN</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Zu entfernen</translation>
    </message>
    <message>
        <source>&amp;KEEP --&gt;</source>
        <translation>&amp;BEHALTEN --&gt;</translation>
    </message>
    <message>
        <source>Keep presentation</source>
        <translation>Darstellung behalten</translation>
    </message>
    <message>
        <source>REMOVIN&amp;G</source>
        <translation>ZU ENTFE&amp;RNEN</translation>
    </message>
    <message>
        <source>PRESENTA&amp;TIONS KEPT</source>
        <translation>VERBLEIBENDE DAR&amp;STELLUNGEN</translation>
    </message>
</context>
<context>
    <name>quorvane::PreviewCanvas</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The theme&apos;s styles, one tile each</source>
        <translation>Die Stile des Designs, je eine Kachel</translation>
    </message>
</context>
<context>
    <name>quorvane::PreviewPane</name>
    <message>
        <source>Scroll the preview</source>
        <translation>Vorschau blättern</translation>
    </message>
</context>
<context>
    <name>quorvane::ProblemsModel</name>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Errors (%1)</source>
        <translation>Fehler (%1)</translation>
    </message>
    <message>
        <source>Warnings (%1)</source>
        <translation>Warnungen (%1)</translation>
    </message>
    <message>
        <source>Hints (%1)</source>
        <translation>Hinweise (%1)</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>quorvane::ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Problems (none)</source>
        <translation>Probleme (keine)</translation>
    </message>
    <message>
        <source>Problems (%1)</source>
        <translation>Probleme (%1)</translation>
    </message>
</context>
<context>
    <name>quorvane::RecolourCommands</name>
    <message>
        <source>&amp;Protanopia (no red cones)</source>
        <translation>&amp;Protanopie (keine Rotzapfen)</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia (no green cones)</source>
        <translation>&amp;Deuteranopie (keine Grünzapfen)</translation>
    </message>
    <message>
        <source>&amp;Tritanopia (no blue cones)</source>
        <translation>&amp;Tritanopie (keine Blauzapfen)</translation>
    </message>
    <message>
        <source>&amp;Greyscale</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>&amp;Normal Vision</source>
        <translation>&amp;Normales Sehen</translation>
    </message>
    <message>
        <source>Theme &amp;Colours</source>
        <translation>Design&amp;farben</translation>
    </message>
    <message>
        <source>Replace C&amp;olour…</source>
        <translation>&amp;Farbe ersetzen…</translation>
    </message>
    <message>
        <source>Ad&amp;just Colours…</source>
        <translation>Farben an&amp;passen…</translation>
    </message>
    <message>
        <source>Make Ni&amp;ght Colours…</source>
        <translation>&amp;Nachtfarben erzeugen…</translation>
    </message>
    <message>
        <source>Snap to Device Pa&amp;lette…</source>
        <translation>An &amp;Gerätepalette angleichen…</translation>
    </message>
    <message>
        <source>&amp;Device Colours</source>
        <translation>Geräte&amp;farben</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simulieren</translation>
    </message>
    <message>
        <source>device colours</source>
        <translation>Gerätefarben</translation>
    </message>
    <message>
        <source>Showing %1</source>
        <translation>Anzeige: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>quorvane::RecolourDialog</name>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>the selected style</source>
        <translation>den ausgewählten Stil</translation>
    </message>
    <message>
        <source>the %1 selected styles</source>
        <translation>die %1 ausgewählten Stile</translation>
    </message>
    <message>
        <source>the one style</source>
        <translation>den einzigen Stil</translation>
    </message>
    <message>
        <source>all %1 styles</source>
        <translation>alle %1 Stile</translation>
    </message>
</context>
<context>
    <name>quorvane::RecoveryKeeper</name>
    <message>
        <source>Recovery copies cannot be kept in %1: %2</source>
        <translation>Wiederherstellungskopien können nicht in %1 abgelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>quorvane::ReplaceColourDialog</name>
    <message>
        <source>Not a colour: type six hexadecimal digits RRGGBB, such as FF8000 or #ff8000</source>
        <translation>Keine Farbe: Geben Sie sechs Hexadezimalziffern RRGGBB ein, etwa FF8000 oder #ff8000</translation>
    </message>
    <message>
        <source>Replace Colour</source>
        <translation>Farbe ersetzen</translation>
    </message>
    <message>
        <source>Colours the theme uses</source>
        <translation>Farben, die das Design verwendet</translation>
    </message>
    <message>
        <source>Colour to replace</source>
        <translation>Zu ersetzende Farbe</translation>
    </message>
    <message>
        <source>Colour to &amp;replace:</source>
        <translation>&amp;Zu ersetzende Farbe:</translation>
    </message>
    <message>
        <source>New colour</source>
        <translation>Neue Farbe</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Mehr…</translation>
    </message>
    <message>
        <source>&amp;New colour:</source>
        <translation>&amp;Neue Farbe:</translation>
    </message>
    <message>
        <source>Primary or secondary colours</source>
        <translation>Primär- oder Sekundärfarben</translation>
    </message>
    <message>
        <source>Primary and secondary colours</source>
        <translation>Primär- und Sekundärfarben</translation>
    </message>
    <message>
        <source>Primary colours</source>
        <translation>Primärfarben</translation>
    </message>
    <message>
        <source>Secondary colours</source>
        <translation>Sekundärfarben</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <translation>Än&amp;dern:</translation>
    </message>
    <message>
        <source>&amp;All styles</source>
        <translation>A&amp;lle Stile</translation>
    </message>
    <message>
        <source>The %1 &amp;selected styles</source>
        <translation>Die %1 ausge&amp;wählten Stile</translation>
    </message>
    <message>
        <source>The &amp;selected style</source>
        <translation>Der ausge&amp;wählte Stil</translation>
    </message>
    <message>
        <source>Presen&amp;tation:</source>
        <translation>Dars&amp;tellung:</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>In:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Pick or type the colour to replace.</source>
        <translation>Wählen Sie die zu ersetzende Farbe, oder geben Sie sie ein.</translation>
    </message>
    <message>
        <source>No style here uses %1.</source>
        <translation>Kein Stil hier verwendet %1.</translation>
    </message>
    <message>
        <source>Used by 1 style.</source>
        <translation>Von 1 Stil verwendet.</translation>
    </message>
    <message>
        <source>Used by %1 styles.</source>
        <translation>Von %1 Stilen verwendet.</translation>
    </message>
</context>
<context>
    <name>quorvane::SnapToPaletteDialog</name>
    <message>
        <source>Snap to Device Palette</source>
        <translation>An Gerätepalette angleichen</translation>
    </message>
    <message>
        <source>Each colour becomes the nearest of the 254 colours the device can show, nearest as people see colours.</source>
        <translation>Jede Farbe wird zur nächstliegenden der 254 Farben, die das Gerät darstellen kann – nächstliegend so, wie Menschen Farben wahrnehmen.</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <translation>Än&amp;dern:</translation>
    </message>
    <message>
        <source>Works on %1.</source>
        <translation>Wirkt auf %1.</translation>
    </message>
    <message>
        <source>Every colour is a device colour already.</source>
        <translation>Jede Farbe ist bereits eine Gerätefarbe.</translation>
    </message>
    <message>
        <source>1 style changes.</source>
        <translation>1 Stil wird geändert.</translation>
    </message>
    <message>
        <source>%1 styles change.</source>
        <translation>%1 Stile werden geändert.</translation>
    </message>
</context>
<context>
    <name>quorvane::StyleEditor</name>
    <message>
        <source>Not a colour: type six hexadecimal digits RRGGBB, such as FF8000 or #ff8000</source>
        <translation>Keine Farbe: Geben Sie sechs Hexadezimalziffern RRGGBB ein, etwa FF8000 oder #ff8000</translation>
    </message>
    <message>
        <source>Six hexadecimal digits RRGGBB, such as FF8000 or #ff8000; Enter takes them</source>
        <translation>Sechs Hexadezimalziffern RRGGBB, etwa FF8000 oder #ff8000; die Eingabetaste übernimmt sie</translation>
    </message>
    <message>
        <source>#%1, used by 1 style</source>
        <translation>#%1, von 1 Stil verwendet</translation>
    </message>
    <message>
        <source>#%1, used by %2 styles</source>
        <translation>#%1, von %2 Stilen verwendet</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Mehr…</translation>
    </message>
    <message>
        <source>Choose the colour in the colour dialog</source>
        <translation>Die Farbe im Farbdialog wählen</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>&amp;Night</source>
        <translation>&amp;Nacht</translation>
    </message>
    <message>
        <source> Brighten Image</source>
        <translation> Bild aufhellen</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>&amp;Reverse Colours</source>
        <translation>&amp;Farben tauschen</translation>
    </message>
    <message>
        <source>Apply to All &amp;Presentations</source>
        <translation>Für alle &amp;Darstellungen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Theme colours</source>
        <translation>Designfarben</translation>
    </message>
    <message>
        <source>The colours this theme uses, most used first</source>
        <translation>Die Farben dieses Designs, die häufigsten zuerst</translation>
    </message>
    <message>
        <source>Theme colour %1</source>
        <translation>Designfarbe %1</translation>
    </message>
    <message>
        <source>Device palette</source>
        <translation>Gerätepalette</translation>
    </message>
    <message>
        <source>Colour under the pointer</source>
        <translation>Farbe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Scale slider</source>
        <translation>Regler für die Skalierung</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Border slider</source>
        <translation>Regler für den Rand</translation>
    </message>
    <message>
        <source>Primary colour</source>
        <translation>Primärfarbe</translation>
    </message>
    <message>
        <source>Primary colour value</source>
        <translation>Wert der Primärfarbe</translation>
    </message>
    <message>
        <source>Secondary colour</source>
        <translation>Sekundärfarbe</translation>
    </message>
    <message>
        <source>Secondary colour value</source>
        <translation>Wert der Sekundärfarbe</translation>
    </message>
    <message>
        <source>Polygon colour</source>
        <translation>Polygonfarbe</translation>
    </message>
    <message>
        <source>Polygon colour value</source>
        <translation>Wert der Polygonfarbe</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Brightness value</source>
        <translation>Wert der Helligkeit</translation>
    </message>
    <message>
        <source>Contrast value</source>
        <translation>Wert des Kontrasts</translation>
    </message>
    <message>
        <source>Reverse Colours</source>
        <translation>Farben tauschen</translation>
    </message>
    <message>
        <source>Apply to All Presentations</source>
        <translation>Für alle Darstellungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Weitere Farben</translation>
    </message>
    <message>
        <source>Blue shade, upper</source>
        <translation>Blauton, oben</translation>
    </message>
    <message>
        <source>Red shade, upper</source>
        <translation>Rotton, oben</translation>
    </message>
    <message>
        <source>Blue shade, lower</source>
        <translation>Blauton, unten</translation>
    </message>
    <message>
        <source>Red shade, lower</source>
        <translation>Rotton, unten</translation>
    </message>
    <message>
        <source>Green shade, upper</source>
        <translation>Grünton, oben</translation>
    </message>
    <message>
        <source>Green shade, lower</source>
        <translation>Grünton, unten</translation>
    </message>
    <message>
        <source> Click to select color </source>
        <translation> Klicken, um eine Farbe zu wählen </translation>
    </message>
    <message>
        <source>Click Line or Border </source>
        <translation>Linie oder Rand anklicken </translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Border</source>
        <translation>&amp;Rand</translation>
    </message>
    <message>
        <source>Brigh&amp;tness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>C&amp;ontrast</source>
        <translation>K&amp;ontrast</translation>
    </message>
    <message>
        <source>Day sample</source>
        <translation>Tagesvorschau</translation>
    </message>
    <message>
        <source>Night sample</source>
        <translation>Nachtvorschau</translation>
    </message>
</context>
<context>
    <name>quorvane::ThemeColoursPanel</name>
    <message>
        <source>Theme Colours</source>
        <translation>Designfarben</translation>
    </message>
    <message>
        <source>Colours the theme uses</source>
        <translation>Farben, die das Design verwendet</translation>
    </message>
    <message>
        <source>&amp;Replace Colour…</source>
        <translation>Farbe &amp;ersetzen…</translation>
    </message>
</context>
<context>
    <name>quorvane::ThemeFiles</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>Keine Daten zum Speichern</translation>
    </message>
    <message>
        <source>Reloaded %1: it changed on disk</source>
        <translation>%1 neu geladen: Die Datei wurde auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload and lose your changes?</source>
        <translation>%1 wurde auf dem Datenträger geändert. Neu laden und Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Restore unsaved changes to %1?</source>
        <translation>Nicht gespeicherte Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>%1 changed on disk since you opened it. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen auf dem Datenträger geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>1 line has a border of 0, which the file leaves out: it would read back as an area, without its secondary colours. Save anyway?</source>
        <translation>1 Linie hat einen Rand von 0, den die Datei weglässt: Sie würde als Fläche zurückgelesen, ohne ihre Sekundärfarben. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 lines have a border of 0, which the file leaves out: they would read back as areas, without their secondary colours. Save anyway?</source>
        <translation>%1 Linien haben einen Rand von 0, den die Datei weglässt: Sie würden als Flächen zurückgelesen, ohne ihre Sekundärfarben. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 changed on disk since those changes were made.</source>
        <translation>%1 wurde auf dem Datenträger geändert, seit diese Änderungen gemacht wurden.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Editors that ended without saving left unsaved changes to %1 themes:</source>
        <translation>Editoren, die ohne Speichern beendet wurden, haben ungespeicherte Änderungen an %1 Designs hinterlassen:</translation>
    </message>
    <message>
        <source>Restore the newest, to %1? The others are kept for the next start.</source>
        <translation>Die neueste wiederherstellen, nach %1? Die anderen werden für den nächsten Start aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Discard All</source>
        <translation>Alle &amp;verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>quorvane::UpdateDialog</name>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Aktuelle Version: %1</translation>
    </message>
    <message>
        <source>Click here to check for update</source>
        <translation>Hier klicken, um nach Aktualisierungen zu suchen</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;Download Page</source>
        <translation>&amp;Download-Seite</translation>
    </message>
    <message>
        <source>Download Page</source>
        <translation>Download-Seite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New version available %1</source>
        <translation>Neue Version verfügbar: %1</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Keine Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>The update check is turned off</source>
        <translation>Die Suche nach Aktualisierungen ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>Die Suche nach Aktualisierungen ist fehlgeschlagen: %1</translation>
    </message>
</context>
</TS>
