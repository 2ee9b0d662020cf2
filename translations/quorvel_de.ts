<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bausteine</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>A course on image reconstruction in computed tomography, with a scan simulator.
Qt&apos;s own options, such as -platform or -style, are passed on to Qt.</source>
        <translation>Ein Kurs zur Bildrekonstruktion in der Computertomographie, mit einem Scan-Simulator.
Die Optionen von Qt selbst, etwa -platform oder -style, werden an Qt weitergegeben.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos; (try &apos;%1 --help&apos;)</source>
        <translation>%1: unbekannte Option „%2“ (siehe „%1 --help“)</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos; (try &apos;%1 --help&apos;)</source>
        <translation>%1: unerwartetes Argument „%2“ (siehe „%1 --help“)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
</context>
<context>
    <name>Kursseite</name>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>Modusseite</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Verteilung</source>
        <translation>Verteilung</translation>
    </message>
</context>
<context>
    <name>Musterbibliothek</name>
    <message>
        <source>Pattern Library</source>
        <translation>Vorlagenbibliothek</translation>
    </message>
    <message>
        <source>Wirbelsäule</source>
        <translation>Wirbelsäule</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Gehirn</source>
        <translation>Gehirn</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Sinogrammbild</name>
    <message>
        <source>Start a scan:
its readings appear here,
row by row</source>
        <translation>Starten Sie einen Scan:
seine Messwerte erscheinen
hier Zeile für Zeile</translation>
    </message>
</context>
<context>
    <name>Statustexte</name>
    <message>
        <source>Picture: unnamed</source>
        <translation>Bild: unbenannt</translation>
    </message>
    <message>
        <source>Bild: unbenannt</source>
        <translation>Bild: unbenannt</translation>
    </message>
    <message>
        <source>Bild: Wirbelsäule</source>
        <translation>Bild: Wirbelsäule</translation>
    </message>
    <message>
        <source>Bild: Herz</source>
        <translation>Bild: Herz</translation>
    </message>
    <message>
        <source>Bild: Gehirn</source>
        <translation>Bild: Gehirn</translation>
    </message>
    <message>
        <source>Bild: Archivbild %1</source>
        <translation>Bild: Archivbild %1</translation>
    </message>
    <message>
        <source>Display: Every step</source>
        <translation>Darstellung: jeder Schritt</translation>
    </message>
    <message>
        <source>Darstellung: jeder Schritt</source>
        <translation>Darstellung: jeder Schritt</translation>
    </message>
    <message>
        <source>Darstellung: jeder 10. Schritt</source>
        <translation>Darstellung: jeder 10. Schritt</translation>
    </message>
    <message>
        <source>Darstellung: Endergebnis</source>
        <translation>Darstellung: Endergebnis</translation>
    </message>
    <message>
        <source>%1 Grad</source>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>kein Filter</source>
        <translation>kein Filter</translation>
    </message>
    <message>
        <source>Rechtecksfilter</source>
        <translation>Rechtecksfilter</translation>
    </message>
    <message>
        <source>Gaußfilter</source>
        <translation>Gaußfilter</translation>
    </message>
    <message>
        <source>Laplacefilter</source>
        <translation>Laplacefilter</translation>
    </message>
    <message>
        <source>Kernelfilter mit Tiefpaß</source>
        <translation>Kernelfilter mit Tiefpaß</translation>
    </message>
    <message>
        <source>Kernelfilter mit Hochpaß</source>
        <translation>Kernelfilter mit Hochpaß</translation>
    </message>
    <message>
        <source>Eigenkreation</source>
        <translation>Eigenkreation</translation>
    </message>
    <message>
        <source>Medianfilter 1.Maske</source>
        <translation>Medianfilter 1.Maske</translation>
    </message>
    <message>
        <source>Medianfilter 2.Maske</source>
        <translation>Medianfilter 2.Maske</translation>
    </message>
    <message>
        <source>Erosionsfilter 1.Maske</source>
        <translation>Erosionsfilter 1.Maske</translation>
    </message>
    <message>
        <source>Erosionsfilter 2.Maske</source>
        <translation>Erosionsfilter 2.Maske</translation>
    </message>
    <message>
        <source>Dilatationsfilter 1.Maske</source>
        <translation>Dilatationsfilter 1.Maske</translation>
    </message>
    <message>
        <source>Dilatationsfilter 2.Maske</source>
        <translation>Dilatationsfilter 2.Maske</translation>
    </message>
    <message>
        <source>no filter</source>
        <translation>kein Filter</translation>
    </message>
    <message>
        <source>No progression</source>
        <translation>ohne Verlauf</translation>
    </message>
    <message>
        <source>mit Verlauf</source>
        <translation>mit Verlauf</translation>
    </message>
    <message>
        <source>ohne Verlauf</source>
        <translation>ohne Verlauf</translation>
    </message>
    <message>
        <source>Drehwinkel: </source>
        <translation>Drehwinkel: </translation>
    </message>
    <message>
        <source>Rotation angle: 2 degrees</source>
        <translation>Drehwinkel: 2 Grad</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filter: </translation>
    </message>
    <message>
        <source>No convolution</source>
        <translation>ohne Faltung</translation>
    </message>
    <message>
        <source>mit Faltung</source>
        <translation>mit Faltung</translation>
    </message>
    <message>
        <source>ohne Faltung</source>
        <translation>ohne Faltung</translation>
    </message>
</context>
<context>
    <name>TForm0</name>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Wilhelm Conrad Röntgen (1845 - 1923), who discovered X-rays in 1895</source>
        <translation>Wilhelm Conrad Röntgen (1845–1923), der 1895 die Röntgenstrahlung entdeckte</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>An X-ray beam loses intensity in a body</source>
        <translation>Ein Röntgenstrahl verliert in einem Körper an Intensität</translation>
    </message>
    <message>
        <source>Attenuation profiles</source>
        <translation>Schwächungsprofile</translation>
    </message>
    <message>
        <source>Different bodies, identical profiles</source>
        <translation>Verschiedene Körper, gleiche Profile</translation>
    </message>
    <message>
        <source>The attenuation law</source>
        <translation>Das Schwächungsgesetz</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Attenuation factors of materials</source>
        <translation>Schwächungskoeffizienten verschiedener Stoffe</translation>
    </message>
    <message>
        <source>The scale of relative attenuation values</source>
        <translation>Die Skala der relativen Schwächungswerte</translation>
    </message>
    <message>
        <source>The relative attenuation value (CT number)</source>
        <translation>Der relative Schwächungswert (CT-Zahl)</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Bilder...</translation>
    </message>
    <message>
        <source>Gray wedge from black to white beside the scale</source>
        <translation>Graukeil von Schwarz nach Weiß neben der Skala</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Attenuation factors after the horizontal x-ray pass.</source>
        <translation>Schwächungsfaktoren nach der horizontalen Durchleuchtung.</translation>
    </message>
    <message>
        <source>Distribution of the horizontal attenuation factors.</source>
        <translation>Verteilung der horizontalen Schwächungsfaktoren.</translation>
    </message>
    <message>
        <source>Attenuation factors after the vertical pass.</source>
        <translation>Schwächungsfaktoren nach der vertikalen Durchleuchtung.</translation>
    </message>
    <message>
        <source>Distribution of the vertical attenuation factors.</source>
        <translation>Verteilung der vertikalen Schwächungsfaktoren.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Dark gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Light gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>horizontalen</source>
        <translation>horizontalen</translation>
    </message>
    <message>
        <source>vertikalen</source>
        <translation>vertikalen</translation>
    </message>
    <message>
        <source>Tragen Sie bitte zuerst die Schwächungs-</source>
        <translation>Tragen Sie bitte zuerst die Schwächungs-</translation>
    </message>
    <message>
        <source>faktoren nach der %1 Durch-</source>
        <translation>faktoren nach der %1 Durch-</translation>
    </message>
    <message>
        <source>leuchtung ein !</source>
        <translation>leuchtung ein !</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Schwächungs-</source>
        <translation>Schauen Sie sich bitte die Schwächungs-</translation>
    </message>
    <message>
        <source>leuchtung noch einmal an !</source>
        <translation>leuchtung noch einmal an !</translation>
    </message>
    <message>
        <source>Tragen Sie bitte zuerst die Verteilung der</source>
        <translation>Tragen Sie bitte zuerst die Verteilung der</translation>
    </message>
    <message>
        <source>%1 Schwächungsfaktoren ein !</source>
        <translation>%1 Schwächungsfaktoren ein !</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Verteilung</source>
        <translation>Schauen Sie sich bitte die Verteilung</translation>
    </message>
    <message>
        <source>der %1 Schwächungsfaktoren</source>
        <translation>der %1 Schwächungsfaktoren</translation>
    </message>
    <message>
        <source>noch einmal an !</source>
        <translation>noch einmal an !</translation>
    </message>
    <message>
        <source>Alles richtig !</source>
        <translation>Alles richtig !</translation>
    </message>
    <message>
        <source>Sehr gut !</source>
        <translation>Sehr gut !</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Graukodie-</source>
        <translation>Schauen Sie sich bitte die Graukodie-</translation>
    </message>
    <message>
        <source>rung noch einmal an !</source>
        <translation>rung noch einmal an !</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <translation>Farbe: %1</translation>
    </message>
    <message>
        <source>Attenuation factor of row %1</source>
        <translation>Schwächungsfaktor von Zeile %1</translation>
    </message>
    <message>
        <source>Attenuation factor of column %1</source>
        <translation>Schwächungsfaktor von Spalte %1</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>Anteil des horizontalen Strahls</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>Anteil des vertikalen Strahls</translation>
    </message>
    <message>
        <source>Step 1: horizontal pass</source>
        <translation>Schritt 1: horizontale Durchleuchtung</translation>
    </message>
    <message>
        <source>Step 2: horizontal shares</source>
        <translation>Schritt 2: horizontale Anteile</translation>
    </message>
    <message>
        <source>Step 3: vertical pass</source>
        <translation>Schritt 3: vertikale Durchleuchtung</translation>
    </message>
    <message>
        <source>Step 4: vertical shares</source>
        <translation>Schritt 4: vertikale Anteile</translation>
    </message>
    <message>
        <source>Step 5: add</source>
        <translation>Schritt 5: addieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Current step</source>
        <translation>Aktueller Schritt</translation>
    </message>
    <message>
        <source>Not done yet</source>
        <translation>Noch nicht erledigt</translation>
    </message>
    <message>
        <source>Row %1, column %2, sum %3</source>
        <translation>Zeile %1, Spalte %2, Summe %3</translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Computer Tomography</source>
        <translation>Computer&amp;tomograph</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Page back</source>
        <translation>Seite &amp;zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Adjustments...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Sinogram...</source>
        <translation>&amp;Sinogramm...</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>&amp;Delete Pattern</source>
        <translation>Vorlage &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothek...</translation>
    </message>
    <message>
        <source>CT Pictures &amp;process</source>
        <translation>CT-Bilder &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete CT Picture</source>
        <translation>CT-Bild &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Gray Scale...</source>
        <translation>&amp;Graustufen...</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filter...</translation>
    </message>
    <message>
        <source>&amp;CT Picture Archive</source>
        <translation>&amp;CT-Bildarchiv</translation>
    </message>
    <message>
        <source>&amp;Show Archive</source>
        <translation>Archiv &amp;zeigen</translation>
    </message>
    <message>
        <source>CT Picutre &amp;save as</source>
        <translation>CT-Bild &amp;speichern in</translation>
    </message>
    <message>
        <source>CT Picture &amp;delete from</source>
        <translation>CT-Bild &amp;löschen aus</translation>
    </message>
    <message>
        <source>Picture &amp;%1</source>
        <translation>Bild &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Lexicon</source>
        <translation>&amp;Lexikon</translation>
    </message>
    <message>
        <source>X-rays</source>
        <translation>&amp;Röntgenstrahlung</translation>
    </message>
    <message>
        <source>&amp;&quot;Real&quot; Computer Tomography</source>
        <translation>„Reale“ &amp;Computertomographie</translation>
    </message>
    <message>
        <source>&amp;Filters and Convolutions</source>
        <translation>&amp;Filter und Faltung</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Acknowledgements</source>
        <translation>&amp;Danksagung</translation>
    </message>
    <message>
        <source>&amp;Sources</source>
        <translation>&amp;Quellen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>CT Picture</source>
        <translation>CT-Bild</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Adjustments...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Library...</source>
        <translation>Bibliothek...</translation>
    </message>
    <message>
        <source>Delete Pattern</source>
        <translation>Vorlage löschen</translation>
    </message>
    <message>
        <source>Delete CT Picture</source>
        <translation>CT-Bild löschen</translation>
    </message>
    <message>
        <source>Gray scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filter...</translation>
    </message>
    <message>
        <source>Show Archive</source>
        <translation>Archiv zeigen</translation>
    </message>
    <message>
        <source>Archive: edit</source>
        <translation>Archiv bearbeiten</translation>
    </message>
    <message>
        <source>Pattern grid</source>
        <translation>Vorlagenraster</translation>
    </message>
    <message>
        <source>Scan drawing</source>
        <translation>Scan-Zeichnung</translation>
    </message>
    <message>
        <source>X-ray source</source>
        <translation>Strahlenquelle</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Scan area</source>
        <translation>Scanbereich</translation>
    </message>
    <message>
        <source>CT picture</source>
        <translation>CT-Bild</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Fortschritt des Scans</translation>
    </message>
    <message>
        <source>Start the scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Pause the scan</source>
        <translation>Scan anhalten</translation>
    </message>
    <message>
        <source>Stop the scan</source>
        <translation>Scan abbrechen</translation>
    </message>
    <message>
        <source>Speed up the scan while held</source>
        <translation>Scan beschleunigen, solange gedrückt</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scan abgebrochen</translation>
    </message>
    <message>
        <source>Scan finished</source>
        <translation>Scan beendet</translation>
    </message>
    <message>
        <source>Pattern grid, %1 by %1 cells, %2 cells drawn</source>
        <translation>Vorlagenraster, %1 mal %1 Kästchen, %2 Kästchen gemalt</translation>
    </message>
    <message>
        <source>CT Picture load from</source>
        <translation>CT-Bild l&amp;aden aus</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>A beam through several layers</source>
        <translation>Ein Strahl durch mehrere Schichten</translation>
    </message>
    <message>
        <source>Different layers, the same total attenuation</source>
        <translation>Verschiedene Schichten, dieselbe Gesamtschwächung</translation>
    </message>
    <message>
        <source>The attenuation law for several layers</source>
        <translation>Das Schwächungsgesetz für mehrere Schichten</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>X-ray of a human hand</source>
        <translation>Röntgenbild einer menschlichen Hand</translation>
    </message>
    <message>
        <source>X-ray of a human head.</source>
        <translation>Röntgenbild des menschlichen Kopfes</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>The measuring set-up of computer tomography</source>
        <translation>Der Messaufbau der Computertomographie</translation>
    </message>
    <message>
        <source>X-ray tube</source>
        <translation>Röntgenröhre</translation>
    </message>
    <message>
        <source>Collimator</source>
        <translation>Kollimator</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>A layer of the head</source>
        <translation>Eine Schicht des Kopfes</translation>
    </message>
    <message>
        <source>The layer divided into volume elements</source>
        <translation>Die Schicht, in Volumenelemente unterteilt</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>A CT scanner of the third generation with its patient table</source>
        <translation>Ein Computertomograph der dritten Generation mit Patiententisch</translation>
    </message>
    <message>
        <source>Gantry</source>
        <translation>Gantry</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Inside the gantry of a CT scanner of the third generation</source>
        <translation>Blick in die Gantry eines Computertomographen der dritten Generation</translation>
    </message>
    <message>
        <source>DAS</source>
        <translation>DAS</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Röhre</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Bilder...</translation>
    </message>
    <message>
        <source>Arrow to the tube</source>
        <translation>Pfeil zur Röhre</translation>
    </message>
    <message>
        <source>Arrow to the data acquisition system</source>
        <translation>Pfeil zum Messwerterfassungssystem</translation>
    </message>
    <message>
        <source>Arrow to the detector</source>
        <translation>Pfeil zum Detektor</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Lamp on / off</source>
        <translation>Lampe an / aus</translation>
    </message>
    <message>
        <source>Lamp 1, left of the square</source>
        <translation>Lampe 1, links vom Quadrat</translation>
    </message>
    <message>
        <source>Lamp 2, left of the ellipse</source>
        <translation>Lampe 2, links von der Ellipse</translation>
    </message>
    <message>
        <source>Lamp 3, below the square</source>
        <translation>Lampe 3, unter dem Quadrat</translation>
    </message>
    <message>
        <source>Lamp 4, below the ellipse</source>
        <translation>Lampe 4, unter der Ellipse</translation>
    </message>
    <message>
        <source>Square and its shadows</source>
        <translation>Quadrat und seine Schatten</translation>
    </message>
    <message>
        <source>Ellipse and its shadows</source>
        <translation>Ellipse und ihre Schatten</translation>
    </message>
    <message>
        <source>Grid of volume elements</source>
        <translation>Raster der Volumenelemente</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>Anteil des horizontalen Strahls</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>Anteil des vertikalen Strahls</translation>
    </message>
    <message>
        <source>horizontal beams</source>
        <translation>horizontale Strahlen</translation>
    </message>
    <message>
        <source>vertical beams</source>
        <translation>vertikale Strahlen</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>horizontal beams</source>
        <translation>horizontale Strahlen</translation>
    </message>
    <message>
        <source>vertical beams</source>
        <translation>vertikale Strahlen</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>Anteil des horizontalen Strahls</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>Anteil des vertikalen Strahls</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>beams D1</source>
        <translation>Strahlen D1</translation>
    </message>
    <message>
        <source>beams D2</source>
        <translation>Strahlen D2</translation>
    </message>
    <message>
        <source>Add the shares of D1 and D2</source>
        <translation>Anteile von D1 und D2 addieren</translation>
    </message>
    <message>
        <source>Show the sums of the horizontal and vertical beams</source>
        <translation>Summen der horizontalen und vertikalen Strahlen zeigen</translation>
    </message>
    <message>
        <source>Add all shares</source>
        <translation>Alle Anteile addieren</translation>
    </message>
    <message>
        <source>sum of the shares of D1 and D2</source>
        <translation>Summe der Anteile von D1 und D2</translation>
    </message>
    <message>
        <source>sum of the horizontal and vertical shares</source>
        <translation>Summe der horizontalen und vertikalen Anteile</translation>
    </message>
    <message>
        <source>share of beam D1</source>
        <translation>Anteil von Strahl D1</translation>
    </message>
    <message>
        <source>share of beam D2</source>
        <translation>Anteil von Strahl D2</translation>
    </message>
</context>
<context>
    <name>TFormAnfang</name>
    <message>
        <source>Cross section of a human head</source>
        <translation>Querschnitt durch einen menschlichen Kopf</translation>
    </message>
    <message>
        <source>Image Reconstruction</source>
        <translation>Bildrekonstruktion</translation>
    </message>
    <message>
        <source>    in</source>
        <translation>    in der</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computertomographie</translation>
    </message>
    <message>
        <source>            Quorvel %1 en
The English edition was made possible
by a grant for teaching in translation.</source>
        <translation>            Quorvel %1 de
Die deutsche Ausgabe hat das
Kursteam für den Unterricht erstellt.</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>With this curl in the page you can move through the lesson.</source>
        <translation>Mit diesem Eselsohr blättern Sie durch den Kurs.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Arrow to the page curl</source>
        <translation>Pfeil zum Eselsohr</translation>
    </message>
</context>
<context>
    <name>TFormArchiv</name>
    <message>
        <source> Computer Tomography</source>
        <translation> Computertomographie</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>Archiv &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>L&amp;aden</translation>
    </message>
    <message>
        <source>Picture &amp;%1</source>
        <translation>Bild &amp;%1</translation>
    </message>
    <message>
        <source> Schritte</source>
        <translation> Schritte</translation>
    </message>
</context>
<context>
    <name>TFormArchivbearbeiten</name>
    <message>
        <source>CT Picture</source>
        <translation>CT-Bild</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Delete from</source>
        <translation>Löschen aus</translation>
    </message>
    <message>
        <source>Load from</source>
        <translation>Laden aus</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Save as picture %1</source>
        <translation>Speichern als Bild %1</translation>
    </message>
    <message>
        <source>Delete picture %1</source>
        <translation>Bild %1 löschen</translation>
    </message>
    <message>
        <source>Load picture %1</source>
        <translation>Bild %1 laden</translation>
    </message>
</context>
<context>
    <name>TFormAusstieg</name>
    <message>
        <source> Computer Tomography</source>
        <translation> Computertomographie</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Wollen Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>TFormBilderGehirn</name>
    <message>
        <source>Images of heads from the ears 1974 and 1996</source>
        <translation>Aufnahmen des Kopfes aus den Jahren 1974 und 1996</translation>
    </message>
    <message>
        <source>Images of heads</source>
        <translation>Aufnahmen des Kopfes</translation>
    </message>
    <message>
        <source>A head scanned in 1974: a coarse matrix of about 3 mm elements</source>
        <translation>Ein Kopf, 1974 abgetastet: eine grobe Matrix aus etwa 3 mm großen Elementen</translation>
    </message>
    <message>
        <source>A head scanned in 1996: a fine matrix of 512 x 512 elements</source>
        <translation>Ein Kopf, 1996 abgetastet: eine feine Matrix aus 512 x 512 Elementen</translation>
    </message>
    <message>
        <source>A head scanner of the first generation</source>
        <translation>Ein Kopf-CT der ersten Generation</translation>
    </message>
    <message>
        <source>A spiral CT scanner</source>
        <translation>Ein Spiral-Computertomograph</translation>
    </message>
    <message>
        <source>1974</source>
        <translation>1974</translation>
    </message>
    <message>
        <source>1996</source>
        <translation>1996</translation>
    </message>
</context>
<context>
    <name>TFormBilderLunge</name>
    <message>
        <source>Images of lungs with different windowing</source>
        <translation>Aufnahmen der Lunge mit unterschiedlicher Fensterung</translation>
    </message>
    <message>
        <source>The chest in the lung window</source>
        <translation>Der Brustkorb im Lungenfenster</translation>
    </message>
    <message>
        <source>The same slice in the soft tissue window</source>
        <translation>Dieselbe Schicht im Weichteilfenster</translation>
    </message>
    <message>
        <source>Lung Window</source>
        <translation>Lungenfenster</translation>
    </message>
    <message>
        <source>C = - 720 HU</source>
        <translation>C = - 720 HU</translation>
    </message>
    <message>
        <source>W = 750 HU</source>
        <translation>W = 750 HU</translation>
    </message>
    <message>
        <source>Soft Tissue Window</source>
        <translation>Weichteilfenster</translation>
    </message>
    <message>
        <source>C = +35 HU</source>
        <translation>C = +35 HU</translation>
    </message>
    <message>
        <source>W = 400 HU</source>
        <translation>W = 400 HU</translation>
    </message>
</context>
<context>
    <name>TFormDanksagung</name>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagung</translation>
    </message>
</context>
<context>
    <name>TFormEingabe</name>
    <message>
        <source>Input window for linear filters</source>
        <translation>Eingabefenster für lineare Filter</translation>
    </message>
    <message>
        <source>Enter the weighting factors here </source>
        <translation>Geben Sie hier die Gewichtsfaktoren ein </translation>
    </message>
    <message>
        <source>Apply filter</source>
        <translation>Filter anwenden</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>1/%1(%2)</source>
        <translation>1/%1(%2)</translation>
    </message>
    <message>
        <source>Kernel row %1, column %2</source>
        <translation>Faltungskern Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>TFormEinstellungen</name>
    <message>
        <source>Adjustments to the computer tomography</source>
        <translation>Einstellungen des Computertomographen</translation>
    </message>
    <message>
        <source>Raster size</source>
        <translation>Rastergröße</translation>
    </message>
    <message>
        <source>4 x 4</source>
        <translation>4 x 4</translation>
    </message>
    <message>
        <source>20 x 20</source>
        <translation>20 x 20</translation>
    </message>
    <message>
        <source>38 x 38</source>
        <translation>38 x 38</translation>
    </message>
    <message>
        <source>56 x 56</source>
        <translation>56 x 56</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>1 degree</source>
        <translation>1 Grad</translation>
    </message>
    <message>
        <source>2 degrees</source>
        <translation>2 Grad</translation>
    </message>
    <message>
        <source>10 degrees</source>
        <translation>10 Grad</translation>
    </message>
    <message>
        <source>45 degrees</source>
        <translation>45 Grad</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Every step</source>
        <translation>Jeder Schritt</translation>
    </message>
    <message>
        <source>Every 10 steps</source>
        <translation>Jeder 10. Schritt</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Endergebnis</translation>
    </message>
    <message>
        <source>Progression</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>With progression</source>
        <translation>Mit Verlauf</translation>
    </message>
    <message>
        <source>No progression</source>
        <translation>Ohne Verlauf</translation>
    </message>
    <message>
        <source>Convolution</source>
        <translation>Faltung</translation>
    </message>
    <message>
        <source>With Convolution</source>
        <translation>Mit Faltung</translation>
    </message>
    <message>
        <source>No convolution</source>
        <translation>Ohne Faltung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TFormFalsch</name>
    <message>
        <source>That&apos;s not right.</source>
        <translation>Das ist nicht richtig.</translation>
    </message>
    <message>
        <source>Not yet right</source>
        <translation>Noch nicht richtig</translation>
    </message>
    <message>
        <source>Very good! Correct!</source>
        <translation>Sehr gut! Richtig!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays</source>
        <translation>Wilhelm Conrad Röntgen (1845–1923), der Entdecker der Röntgenstrahlung</translation>
    </message>
    <message>
        <source>Röntgenbild des menschlichen Kopfes</source>
        <translation>Röntgenbild des menschlichen Kopfes</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
</context>
<context>
    <name>TFormFilter</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source> Filter </source>
        <translation> Filter </translation>
    </message>
    <message>
        <source>Linear Filter</source>
        <translation>Lineare Filter</translation>
    </message>
    <message>
        <source>Nonlinear Filter</source>
        <translation>Nichtlineare Filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>No filter</source>
        <translation>Kein Filter</translation>
    </message>
    <message>
        <source>Rectangular filter</source>
        <translation>Rechtecksfilter</translation>
    </message>
    <message>
        <source>Gaussian filter</source>
        <translation>Gaußfilter</translation>
    </message>
    <message>
        <source>Laplace filter</source>
        <translation>Laplacefilter</translation>
    </message>
    <message>
        <source>Kernel filter - high pass</source>
        <translation>Kernelfilter – Hochpass</translation>
    </message>
    <message>
        <source>Kernel filter - low pass</source>
        <translation>Kernelfilter – Tiefpass</translation>
    </message>
    <message>
        <source>Create a filter</source>
        <translation>Filter erstellen</translation>
    </message>
    <message>
        <source>Median filter with 1 mask</source>
        <translation>Medianfilter mit Maske 1</translation>
    </message>
    <message>
        <source>Median filter with 2 masks</source>
        <translation>Medianfilter mit Maske 2</translation>
    </message>
    <message>
        <source>Erosion filter with 1 mask</source>
        <translation>Erosionsfilter mit Maske 1</translation>
    </message>
    <message>
        <source>Erosion filter with 2 masks</source>
        <translation>Erosionsfilter mit Maske 2</translation>
    </message>
    <message>
        <source>Dilatation filter with 1 mask</source>
        <translation>Dilatationsfilter mit Maske 1</translation>
    </message>
    <message>
        <source>Dilation filter with 2 masks</source>
        <translation>Dilatationsfilter mit Maske 2</translation>
    </message>
</context>
<context>
    <name>TFormGraucode</name>
    <message>
        <source>Gray scaling</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Attenuation value</source>
        <translation>Schwächungswert</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Represented gray shade</source>
        <translation>Dargestellter Grauwert</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Gray scale window down</source>
        <translation>Graufenster nach unten</translation>
    </message>
    <message>
        <source>Gray scale window up</source>
        <translation>Graufenster nach oben</translation>
    </message>
</context>
<context>
    <name>TFormHaupt</name>
    <message>
        <source>Brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>Brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>entsprechende Änderungen vor.</source>
        <translation>entsprechende Änderungen vor.</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computertomographie</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Das Programm ist ausschließlich für normale Schriftgröße (96dpi) programmiert.</source>
        <translation>Das Programm ist ausschließlich für normale Schriftgröße (96dpi) programmiert.</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Farbtiefe von mindestens 15 bit (=32768 Farben) optimiert.</source>
        <translation>Das Programm ist für eine Farbtiefe von mindestens 15 bit (=32768 Farben) optimiert.</translation>
    </message>
    <message>
        <source>Falls möglich brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>Falls möglich brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Bildschirmauflösung von mindestens 800x600 programmiert.</source>
        <translation>Das Programm ist für eine Bildschirmauflösung von mindestens 800x600 programmiert.</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768 optimiert.</source>
        <translation>Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768 optimiert.</translation>
    </message>
    <message>
        <source>Bei einer höheren Auflösung läuft das Programm in einem Fenster. Wenn Sie dies ändern wollen,</source>
        <translation>Bei einer höheren Auflösung läuft das Programm in einem Fenster. Wenn Sie dies ändern wollen,</translation>
    </message>
    <message>
        <source>so brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>so brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstration</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Lernprogramm</translation>
    </message>
    <message>
        <source>&amp;Lexicon</source>
        <translation>&amp;Lexikon</translation>
    </message>
    <message>
        <source>&amp;X-rays</source>
        <translation>&amp;Röntgenstrahlung</translation>
    </message>
    <message>
        <source>&amp;Real Computer Tomography</source>
        <translation>Reale &amp;Computertomographie</translation>
    </message>
    <message>
        <source>&amp;Filters and Convolutions</source>
        <translation>&amp;Filter und Faltung</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Acknowledgements</source>
        <translation>&amp;Danksagung</translation>
    </message>
    <message>
        <source>&amp;Sources</source>
        <translation>&amp;Quellen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TFormHilfe</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Computer Tomography</source>
        <translation>Computertomographie</translation>
    </message>
    <message>
        <source>The Menu</source>
        <translation>Das Menü</translation>
    </message>
    <message>
        <source>Contol of instruction</source>
        <translation>Steuerung des Lernprogramms</translation>
    </message>
</context>
<context>
    <name>TFormHinweis</name>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The adjustments have been changed</source>
        <translation>Die Einstellungen wurden geändert</translation>
    </message>
    <message>
        <source>If you accept the new settings</source>
        <translation>Wenn Sie sie übernehmen,</translation>
    </message>
    <message>
        <source>the CT picture will be deleted.</source>
        <translation>wird das CT-Bild gelöscht.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cross section of a human head</source>
        <translation>Querschnitt durch einen menschlichen Kopf</translation>
    </message>
    <message>
        <source>Image Reconstruction</source>
        <translation>Bildrekonstruktion</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in der</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computertomographie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormKorrektur</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays</source>
        <translation>Wilhelm Conrad Röntgen (1845–1923), der Entdecker der Röntgenstrahlung</translation>
    </message>
    <message>
        <source>Röntgenbild des menschlichen Kopfes</source>
        <translation>Röntgenbild des menschlichen Kopfes</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
</context>
<context>
    <name>TFormLexikonComputertomograph</name>
    <message>
        <source>The &apos;real&apos; comper tomography</source>
        <translation>Die „reale“ Computertomographie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Schwächungsgesetz</source>
        <translation>Schwächungsgesetz</translation>
    </message>
    <message>
        <source>Messwerterfassung</source>
        <translation>Messwerterfassung</translation>
    </message>
    <message>
        <source>Projektionssatz</source>
        <translation>Projektionssatz</translation>
    </message>
    <message>
        <source>Rückprojektion</source>
        <translation>Rückprojektion</translation>
    </message>
    <message>
        <source>Filterung im Ortsraum</source>
        <translation>Filterung im Ortsraum</translation>
    </message>
    <message>
        <source>Illustrated page: %1</source>
        <translation>Bildtafel: %1</translation>
    </message>
</context>
<context>
    <name>TFormLexikonFilter</name>
    <message>
        <source>Filter and Convolution</source>
        <translation>Filter und Faltung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Linear Filter</source>
        <translation>Lineare Filter</translation>
    </message>
    <message>
        <source>Nonlinear Filter</source>
        <translation>Nichtlineare Filter</translation>
    </message>
    <message>
        <source>Convolutiion</source>
        <translation>Faltung</translation>
    </message>
    <message>
        <source>A noisy picture, smoothed by a low pass, and its edges found by a high pass</source>
        <translation>Ein verrauschtes Bild, mit einem Tiefpass geglättet, und seine Kanten, mit einem Hochpass gefunden</translation>
    </message>
    <message>
        <source>A linear filter at work</source>
        <translation>So arbeitet ein lineares Filter</translation>
    </message>
    <message>
        <source>Rank filters at work</source>
        <translation>So arbeiten Rangordnungsfilter</translation>
    </message>
    <message>
        <source>A profile before and after the convolution</source>
        <translation>Ein Profil vor und nach der Faltung</translation>
    </message>
    <message>
        <source>Back-projection without convolution</source>
        <translation>Rückprojektion ohne Faltung</translation>
    </message>
    <message>
        <source>Back-projection with convolution</source>
        <translation>Rückprojektion mit Faltung</translation>
    </message>
    <message>
        <source>without convolution</source>
        <translation>ohne Faltung</translation>
    </message>
    <message>
        <source>with convolution</source>
        <translation>mit Faltung</translation>
    </message>
</context>
<context>
    <name>TFormLexikonRoentgenstrahlung</name>
    <message>
        <source>X-rays</source>
        <translation>Röntgenstrahlung</translation>
    </message>
    <message>
        <source>Creation</source>
        <translation>Entstehung</translation>
    </message>
    <message>
        <source>Attenuation</source>
        <translation>Schwächung</translation>
    </message>
    <message>
        <source>Conversion to electrical impulse</source>
        <translation>Umwandlung in elektrische Impulse</translation>
    </message>
    <message>
        <source>Schematic of  an x-ray tube</source>
        <translation>Schema einer Röntgenröhre</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>The photoelectric effect</source>
        <translation>Der Photoeffekt</translation>
    </message>
    <message>
        <source>The Compton effect</source>
        <translation>Der Compton-Effekt</translation>
    </message>
    <message>
        <source>A xenon gas detector</source>
        <translation>Ein Xenon-Detektor</translation>
    </message>
    <message>
        <source>A scintillation detector</source>
        <translation>Ein Szintillationsdetektor</translation>
    </message>
    <message>
        <source>Schematic of an X-ray tube</source>
        <translation>Schema einer Röntgenröhre</translation>
    </message>
    <message>
        <source>X-ray spectrum, picture %1</source>
        <translation>Röntgenspektrum, Bild %1</translation>
    </message>
</context>
<context>
    <name>TFormPause</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>TFormProgressBar</name>
    <message>
        <source>Please be patient</source>
        <translation>Bitte haben Sie etwas Geduld</translation>
    </message>
</context>
<context>
    <name>TFormQuellen</name>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Web address of the course</source>
        <translation>Internetadresse des Kurses</translation>
    </message>
    <message>
        <source>Mail address of the course team</source>
        <translation>E-Mail-Adresse des Kursteams</translation>
    </message>
    <message>
        <source>Where the course comes from</source>
        <translation>Woher der Kurs stammt</translation>
    </message>
    <message>
        <source>Literature, first column</source>
        <translation>Literatur, erste Spalte</translation>
    </message>
    <message>
        <source>Literature, second column</source>
        <translation>Literatur, zweite Spalte</translation>
    </message>
</context>
<context>
    <name>TFormSinogramm</name>
    <message>
        <source>Sinogram and reconstruction</source>
        <translation>Sinogramm und Rekonstruktion</translation>
    </message>
    <message>
        <source>Sinogram: rays across, angles down</source>
        <translation>Sinogramm: Strahlen →, Winkel ↓</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Filtered</source>
        <translation>Gefiltert</translation>
    </message>
    <message>
        <source>Sinogram shows</source>
        <translation>Sinogramm zeigt</translation>
    </message>
    <message>
        <source>Pattern: click a cell</source>
        <translation>Vorlage: Kästchen anklicken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Sinogram</source>
        <translation>Sinogramm</translation>
    </message>
    <message>
        <source>Readings:</source>
        <translation>Messwerte:</translation>
    </message>
    <message>
        <source>cells touched (as the scan)</source>
        <translation>berührte Kästchen (wie der Scan)</translation>
    </message>
    <message>
        <source>path length (as a detector)</source>
        <translation>Weglänge (wie ein Detektor)</translation>
    </message>
    <message>
        <source>Dose:</source>
        <translation>Dosis:</translation>
    </message>
    <message>
        <source>Dose in photons per ray</source>
        <translation>Dosis in Photonen pro Strahl</translation>
    </message>
    <message>
        <source>Back-projection</source>
        <translation>Rückprojektion</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenzbild</translation>
    </message>
    <message>
        <source>Reconstruction:</source>
        <translation>Rekonstruktion:</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Rekonstruktion</translation>
    </message>
    <message>
        <source>ART sweeps</source>
        <translation>Durchläufe</translation>
    </message>
    <message>
        <source>Profile of row</source>
        <translation>Profil der Zeile</translation>
    </message>
    <message>
        <source>RMS: what remains after fitting each picture&apos;s scale and offset to the pattern; 0 is perfect.</source>
        <translation>RMS: was nach Anpassung von Maßstab und Versatz an die Vorlage bleibt; 0 ist ideal.</translation>
    </message>
    <message>
        <source>-1 too low</source>
        <translation>-1 zu niedrig</translation>
    </message>
    <message>
        <source>+1 too high</source>
        <translation>+1 zu hoch</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>fitted value</source>
        <translation>angepasst</translation>
    </message>
    <message>
        <source>Filtered, Ram-Lak (ramp)</source>
        <translation>Gefiltert, Ram-Lak (Rampe)</translation>
    </message>
    <message>
        <source>Filtered, Shepp-Logan</source>
        <translation>Gefiltert, Shepp-Logan</translation>
    </message>
    <message>
        <source>Filtered, Hann (smooth)</source>
        <translation>Gefiltert, Hann (glättend)</translation>
    </message>
    <message>
        <source>Iterative (ART)</source>
        <translation>Iterativ (ART)</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Ungefiltert</translation>
    </message>
    <message>
        <source>ART: at the end</source>
        <translation>ART: am Ende</translation>
    </message>
    <message>
        <source>ART, 1 sweep</source>
        <translation>ART, 1 Durchlauf</translation>
    </message>
    <message>
        <source>ART, %1 sweeps</source>
        <translation>ART, %1 Durchläufe</translation>
    </message>
    <message>
        <source>Ram-Lak</source>
        <translation>Ram-Lak</translation>
    </message>
    <message>
        <source>Shepp-Logan</source>
        <translation>Shepp-Logan</translation>
    </message>
    <message>
        <source>Hann</source>
        <translation>Hann</translation>
    </message>
    <message>
        <source>RMS %1</source>
        <translation>RMS %1</translation>
    </message>
    <message>
        <source>residual %1</source>
        <translation>Residuum %1</translation>
    </message>
    <message>
        <source>(for path lengths)</source>
        <translation>(nur für Weglängen)</translation>
    </message>
    <message>
        <source>no noise</source>
        <translation>ohne Rauschen</translation>
    </message>
    <message>
        <source>%1 photons per ray</source>
        <translation>%1 Photonen pro Strahl</translation>
    </message>
    <message>
        <source>Point to a reading: its ray shows.</source>
        <translation>Zeigen Sie auf einen Messwert, um seinen Strahl zu sehen.</translation>
    </message>
    <message>
        <source>%1, ray %2: </source>
        <translation>%1, Strahl %2: </translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>noch nicht gemessen</translation>
    </message>
    <message>
        <source>%1 cells, %2</source>
        <translation>%1 Kästchen, Messwert %2</translation>
    </message>
    <message>
        <source>path %1, reading %2</source>
        <translation>Weg %1, Messwert %2</translation>
    </message>
    <message>
        <source>Export the sinogram&apos;s pictures and data to</source>
        <translation>Bilder und Daten des Sinogramms exportieren nach</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Profile plot</source>
        <translation>Profildiagramm</translation>
    </message>
</context>
<context>
    <name>Ueber</name>
    <message>
        <source>A&amp;bout Quorvel</source>
        <translation>Ü&amp;ber Quorvel</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über Q&amp;t</translation>
    </message>
    <message>
        <source>A course on image reconstruction in computed tomography, with a scan simulator.</source>
        <translation>Ein Kurs zur Bildrekonstruktion in der Computertomographie, mit einem Scan-Simulator.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Quorvel course team</source>
        <translation>Copyright 2026 das Quorvel-Kursteam</translation>
    </message>
    <message>
        <source>Quorvel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later).</source>
        <translation>Quorvel ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later), weitergeben und/oder verändern.</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</source>
        <translation>Dieses Programm wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG, sogar ohne die stillschweigende Gewährleistung der MARKTGÄNGIGKEIT oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten stehen in der GNU General Public License.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft mit Qt %2.</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>Uebungsseite</name>
    <message>
        <source>Body with the beams</source>
        <translation>Körper mit den Strahlen</translation>
    </message>
    <message>
        <source>Grid of volume elements</source>
        <translation>Raster der Volumenelemente</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Zeile %1, Spalte %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Zellcursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
</context>
</TS>
