<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Bausteine</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>A course on image reconstruction in computed tomography, with a scan simulator.
Qt&apos;s own options, such as -platform or -style, are passed on to Qt.</source>
        <translation>A course on image reconstruction in computed tomography, with a scan simulator.
Qt&apos;s own options, such as -platform or -style, are passed on to Qt.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos; (try &apos;%1 --help&apos;)</source>
        <translation>%1: unknown option &apos;%2&apos; (try &apos;%1 --help&apos;)</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos; (try &apos;%1 --help&apos;)</source>
        <translation>%1: unexpected argument &apos;%2&apos; (try &apos;%1 --help&apos;)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
</context>
<context>
    <name>Kursseite</name>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>Modusseite</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Verteilung</source>
        <translation>Distribution</translation>
    </message>
</context>
<context>
    <name>Musterbibliothek</name>
    <message>
        <source>Pattern Library</source>
        <translation>Pattern Library</translation>
    </message>
    <message>
        <source>Wirbelsäule</source>
        <translation>Spine</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>Gehirn</source>
        <translation>Brain</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
</context>
<context>
    <name>Sinogrammbild</name>
    <message>
        <source>Start a scan:
its readings appear here,
row by row</source>
        <translation>Start a scan:
its readings appear here,
row by row</translation>
    </message>
</context>
<context>
    <name>Statustexte</name>
    <message>
        <source>Picture: unnamed</source>
        <translation>Picture: unnamed</translation>
    </message>
    <message>
        <source>Bild: unbenannt</source>
        <translation>Picture: unnamed</translation>
    </message>
    <message>
        <source>Bild: Wirbelsäule</source>
        <translation>Picture: Spine</translation>
    </message>
    <message>
        <source>Bild: Herz</source>
        <translation>Picture: Heart</translation>
    </message>
    <message>
        <source>Bild: Gehirn</source>
        <translation>Picture: Brain</translation>
    </message>
    <message>
        <source>Bild: Archivbild %1</source>
        <translation>Picture: Archive %1</translation>
    </message>
    <message>
        <source>Display: Every step</source>
        <translation>Display: Every step</translation>
    </message>
    <message>
        <source>Darstellung: jeder Schritt</source>
        <translation>Display: Every step</translation>
    </message>
    <message>
        <source>Darstellung: jeder 10. Schritt</source>
        <translation>Display: Every 10 steps</translation>
    </message>
    <message>
        <source>Darstellung: Endergebnis</source>
        <translation>Display: At the end</translation>
    </message>
    <message>
        <source>%1 Grad</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>kein Filter</source>
        <translation>no filter</translation>
    </message>
    <message>
        <source>Rechtecksfilter</source>
        <translation>Rectangular filter</translation>
    </message>
    <message>
        <source>Gaußfilter</source>
        <translation>Gaussian filter</translation>
    </message>
    <message>
        <source>Laplacefilter</source>
        <translation>Laplace filter</translation>
    </message>
    <message>
        <source>Kernelfilter mit Tiefpaß</source>
        <translation>Kernel filter - low pass</translation>
    </message>
    <message>
        <source>Kernelfilter mit Hochpaß</source>
        <translation>Kernel filter - high pass</translation>
    </message>
    <message>
        <source>Eigenkreation</source>
        <translation>Custom filter</translation>
    </message>
    <message>
        <source>Medianfilter 1.Maske</source>
        <translation>Median filter with mask 1</translation>
    </message>
    <message>
        <source>Medianfilter 2.Maske</source>
        <translation>Median filter with mask 2</translation>
    </message>
    <message>
        <source>Erosionsfilter 1.Maske</source>
        <translation>Erosion filter with mask 1</translation>
    </message>
    <message>
        <source>Erosionsfilter 2.Maske</source>
        <translation>Erosion filter with mask 2</translation>
    </message>
    <message>
        <source>Dilatationsfilter 1.Maske</source>
        <translation>Dilation filter with mask 1</translation>
    </message>
    <message>
        <source>Dilatationsfilter 2.Maske</source>
        <translation>Dilation filter with mask 2</translation>
    </message>
    <message>
        <source>no filter</source>
        <translation>no filter</translation>
    </message>
    <message>
        <source>No progression</source>
        <translation>No progression</translation>
    </message>
    <message>
        <source>mit Verlauf</source>
        <translation>With progression</translation>
    </message>
    <message>
        <source>ohne Verlauf</source>
        <translation>No progression</translation>
    </message>
    <message>
        <source>Drehwinkel: </source>
        <translation>Rotation angle: </translation>
    </message>
    <message>
        <source>Rotation angle: 2 degrees</source>
        <translation>Rotation angle: 2°</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filter: </translation>
    </message>
    <message>
        <source>No convolution</source>
        <translation>No convolution</translation>
    </message>
    <message>
        <source>mit Faltung</source>
        <translation>With convolution</translation>
    </message>
    <message>
        <source>ohne Faltung</source>
        <translation>No convolution</translation>
    </message>
</context>
<context>
    <name>TForm0</name>
    <message>
        <source>Hello</source>
        <translation>Hello</translation>
    </message>
    <message>
        <source>Wilhelm Conrad Röntgen (1845 - 1923), who discovered X-rays in 1895</source>
        <translation>Wilhelm Conrad Röntgen (1845 - 1923), who discovered X-rays in 1895</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>An X-ray beam loses intensity in a body</source>
        <translation>An X-ray beam loses intensity in a body</translation>
    </message>
    <message>
        <source>Attenuation profiles</source>
        <translation>Attenuation profiles</translation>
    </message>
    <message>
        <source>Different bodies, identical profiles</source>
        <translation>Different bodies, identical profiles</translation>
    </message>
    <message>
        <source>The attenuation law</source>
        <translation>The attenuation law</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Attenuation factors of materials</source>
        <translation>Attenuation factors of materials</translation>
    </message>
    <message>
        <source>The scale of relative attenuation values</source>
        <translation>The scale of relative attenuation values</translation>
    </message>
    <message>
        <source>The relative attenuation value (CT number)</source>
        <translation>The relative attenuation value (CT number)</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Picture...</translation>
    </message>
    <message>
        <source>Gray wedge from black to white beside the scale</source>
        <translation>Gray wedge from black to white beside the scale</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Attenuation factors after the horizontal x-ray pass.</source>
        <translation>Attenuation factors after the horizontal x-ray pass.</translation>
    </message>
    <message>
        <source>Distribution of the horizontal attenuation factors.</source>
        <translation>Distribution of the horizontal attenuation factors.</translation>
    </message>
    <message>
        <source>Attenuation factors after the vertical pass.</source>
        <translation>Attenuation factors after the vertical pass.</translation>
    </message>
    <message>
        <source>Distribution of the vertical attenuation factors.</source>
        <translation>Distribution of the vertical attenuation factors.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Dark gray</source>
        <translation>Dark gray</translation>
    </message>
    <message>
        <source>Light gray</source>
        <translation>Light gray</translation>
    </message>
    <message>
        <source>horizontalen</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertikalen</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>Tragen Sie bitte zuerst die Schwächungs-</source>
        <translation>Please enter the attenuation</translation>
    </message>
    <message>
        <source>faktoren nach der %1 Durch-</source>
        <translation>factors of the %1 beam passage</translation>
    </message>
    <message>
        <source>leuchtung ein !</source>
        <translation>first!</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Schwächungs-</source>
        <translation>Please look at the attenuation</translation>
    </message>
    <message>
        <source>leuchtung noch einmal an !</source>
        <translation>once more!</translation>
    </message>
    <message>
        <source>Tragen Sie bitte zuerst die Verteilung der</source>
        <translation>Please first enter the distribution of the</translation>
    </message>
    <message>
        <source>%1 Schwächungsfaktoren ein !</source>
        <translation>%1 attenuation factors!</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Verteilung</source>
        <translation>Please look at the distribution</translation>
    </message>
    <message>
        <source>der %1 Schwächungsfaktoren</source>
        <translation>of the %1 attenuation factors</translation>
    </message>
    <message>
        <source>noch einmal an !</source>
        <translation>once more!</translation>
    </message>
    <message>
        <source>Alles richtig !</source>
        <translation>All correct!</translation>
    </message>
    <message>
        <source>Sehr gut !</source>
        <translation>Very good!</translation>
    </message>
    <message>
        <source>Schauen Sie sich bitte die Graukodie-</source>
        <translation>Please look at the gray scaling</translation>
    </message>
    <message>
        <source>rung noch einmal an !</source>
        <translation>once more!</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <translation>Colour: %1</translation>
    </message>
    <message>
        <source>Attenuation factor of row %1</source>
        <translation>Attenuation factor of row %1</translation>
    </message>
    <message>
        <source>Attenuation factor of column %1</source>
        <translation>Attenuation factor of column %1</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>share of the horizontal beam</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>share of the vertical beam</translation>
    </message>
    <message>
        <source>Step 1: horizontal pass</source>
        <translation>Step 1: horizontal pass</translation>
    </message>
    <message>
        <source>Step 2: horizontal shares</source>
        <translation>Step 2: horizontal shares</translation>
    </message>
    <message>
        <source>Step 3: vertical pass</source>
        <translation>Step 3: vertical pass</translation>
    </message>
    <message>
        <source>Step 4: vertical shares</source>
        <translation>Step 4: vertical shares</translation>
    </message>
    <message>
        <source>Step 5: add</source>
        <translation>Step 5: add</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Current step</source>
        <translation>Current step</translation>
    </message>
    <message>
        <source>Not done yet</source>
        <translation>Not done yet</translation>
    </message>
    <message>
        <source>Row %1, column %2, sum %3</source>
        <translation>Row %1, column %2, sum %3</translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Computer Tomography</source>
        <translation>Computer &amp;Tomography</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <source>&amp;Page back</source>
        <translation>&amp;Page back</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Adjustments...</source>
        <translation>&amp;Adjustments...</translation>
    </message>
    <message>
        <source>&amp;Sinogram...</source>
        <translation>&amp;Sinogram...</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Pattern</translation>
    </message>
    <message>
        <source>&amp;Delete Pattern</source>
        <translation>&amp;Delete Pattern</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Library...</translation>
    </message>
    <message>
        <source>CT Pictures &amp;process</source>
        <translation>CT Pictures p&amp;rocess</translation>
    </message>
    <message>
        <source>&amp;Delete CT Picture</source>
        <translation>&amp;Delete CT Picture</translation>
    </message>
    <message>
        <source>&amp;Gray Scale...</source>
        <translation>&amp;Gray Scale...</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filter...</translation>
    </message>
    <message>
        <source>&amp;CT Picture Archive</source>
        <translation>&amp;CT Picture Archive</translation>
    </message>
    <message>
        <source>&amp;Show Archive</source>
        <translation>S&amp;how Archive</translation>
    </message>
    <message>
        <source>CT Picutre &amp;save as</source>
        <translation>CT Picture &amp;save as</translation>
    </message>
    <message>
        <source>CT Picture &amp;delete from</source>
        <translation>CT Picture &amp;delete from</translation>
    </message>
    <message>
        <source>Picture &amp;%1</source>
        <translation>Picture &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Lexicon</source>
        <translation>&amp;Lexicon</translation>
    </message>
    <message>
        <source>X-rays</source>
        <translation>&amp;X-rays</translation>
    </message>
    <message>
        <source>&amp;&quot;Real&quot; Computer Tomography</source>
        <translation>&quot;&amp;Real&quot; Computer Tomography</translation>
    </message>
    <message>
        <source>&amp;Filters and Convolutions</source>
        <translation>&amp;Filters and Convolutions</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Acknowledgements</source>
        <translation>&amp;Acknowledgements</translation>
    </message>
    <message>
        <source>&amp;Sources</source>
        <translation>&amp;Sources</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>CT Picture</source>
        <translation>CT Picture</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Adjustments...</source>
        <translation>Adjustments...</translation>
    </message>
    <message>
        <source>Library...</source>
        <translation>Library...</translation>
    </message>
    <message>
        <source>Delete Pattern</source>
        <translation>Delete Pattern</translation>
    </message>
    <message>
        <source>Delete CT Picture</source>
        <translation>Delete CT Picture</translation>
    </message>
    <message>
        <source>Gray scale</source>
        <translation>Gray scale</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filter...</translation>
    </message>
    <message>
        <source>Show Archive</source>
        <translation>Show Archive</translation>
    </message>
    <message>
        <source>Archive: edit</source>
        <translation>Archive: edit</translation>
    </message>
    <message>
        <source>Pattern grid</source>
        <translation>Pattern grid</translation>
    </message>
    <message>
        <source>Scan drawing</source>
        <translation>Scan drawing</translation>
    </message>
    <message>
        <source>X-ray source</source>
        <translation>X-ray source</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Scan area</source>
        <translation>Scan area</translation>
    </message>
    <message>
        <source>CT picture</source>
        <translation>CT picture</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Scan progress</translation>
    </message>
    <message>
        <source>Start the scan</source>
        <translation>Start the scan</translation>
    </message>
    <message>
        <source>Pause the scan</source>
        <translation>Pause the scan</translation>
    </message>
    <message>
        <source>Stop the scan</source>
        <translation>Stop the scan</translation>
    </message>
    <message>
        <source>Speed up the scan while held</source>
        <translation>Speed up the scan while held</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Scan stopped</translation>
    </message>
    <message>
        <source>Scan finished</source>
        <translation>Scan finished</translation>
    </message>
    <message>
        <source>Pattern grid, %1 by %1 cells, %2 cells drawn</source>
        <translation>Pattern grid, %1 by %1 cells, %2 cells drawn</translation>
    </message>
    <message>
        <source>CT Picture load from</source>
        <translation>CT Picture &amp;load from</translation>
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
        <translation>A beam through several layers</translation>
    </message>
    <message>
        <source>Different layers, the same total attenuation</source>
        <translation>Different layers, the same total attenuation</translation>
    </message>
    <message>
        <source>The attenuation law for several layers</source>
        <translation>The attenuation law for several layers</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>X-ray of a human hand</source>
        <translation>X-ray of a human hand</translation>
    </message>
    <message>
        <source>X-ray of a human head.</source>
        <translation>X-ray of a human head</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>The measuring set-up of computer tomography</source>
        <translation>The measuring set-up of computer tomography</translation>
    </message>
    <message>
        <source>X-ray tube</source>
        <translation>X-ray tube</translation>
    </message>
    <message>
        <source>Collimator</source>
        <translation>Collimator</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>A layer of the head</source>
        <translation>A layer of the head</translation>
    </message>
    <message>
        <source>The layer divided into volume elements</source>
        <translation>The layer divided into volume elements</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>A CT scanner of the third generation with its patient table</source>
        <translation>A CT scanner of the third generation with its patient table</translation>
    </message>
    <message>
        <source>Gantry</source>
        <translation>Gantry</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Inside the gantry of a CT scanner of the third generation</source>
        <translation>Inside the gantry of a CT scanner of the third generation</translation>
    </message>
    <message>
        <source>DAS</source>
        <translation>DAS</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Tube</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Picture...</translation>
    </message>
    <message>
        <source>Arrow to the tube</source>
        <translation>Arrow to the tube</translation>
    </message>
    <message>
        <source>Arrow to the data acquisition system</source>
        <translation>Arrow to the data acquisition system</translation>
    </message>
    <message>
        <source>Arrow to the detector</source>
        <translation>Arrow to the detector</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Lamp on / off</source>
        <translation>Lamp on / off</translation>
    </message>
    <message>
        <source>Lamp 1, left of the square</source>
        <translation>Lamp 1, left of the square</translation>
    </message>
    <message>
        <source>Lamp 2, left of the ellipse</source>
        <translation>Lamp 2, left of the ellipse</translation>
    </message>
    <message>
        <source>Lamp 3, below the square</source>
        <translation>Lamp 3, below the square</translation>
    </message>
    <message>
        <source>Lamp 4, below the ellipse</source>
        <translation>Lamp 4, below the ellipse</translation>
    </message>
    <message>
        <source>Square and its shadows</source>
        <translation>Square and its shadows</translation>
    </message>
    <message>
        <source>Ellipse and its shadows</source>
        <translation>Ellipse and its shadows</translation>
    </message>
    <message>
        <source>Grid of volume elements</source>
        <translation>Grid of volume elements</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
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
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Gray Scale</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>share of the horizontal beam</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>share of the vertical beam</translation>
    </message>
    <message>
        <source>horizontal beams</source>
        <translation>horizontal beams</translation>
    </message>
    <message>
        <source>vertical beams</source>
        <translation>vertical beams</translation>
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
        <translation>Add</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Gray Scale</translation>
    </message>
    <message>
        <source>horizontal beams</source>
        <translation>horizontal beams</translation>
    </message>
    <message>
        <source>vertical beams</source>
        <translation>vertical beams</translation>
    </message>
    <message>
        <source>share of the horizontal beam</source>
        <translation>share of the horizontal beam</translation>
    </message>
    <message>
        <source>share of the vertical beam</source>
        <translation>share of the vertical beam</translation>
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
        <translation>Add</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Gray Scale</translation>
    </message>
    <message>
        <source>beams D1</source>
        <translation>beams D1</translation>
    </message>
    <message>
        <source>beams D2</source>
        <translation>beams D2</translation>
    </message>
    <message>
        <source>Add the shares of D1 and D2</source>
        <translation>Add the shares of D1 and D2</translation>
    </message>
    <message>
        <source>Show the sums of the horizontal and vertical beams</source>
        <translation>Show the sums of the horizontal and vertical beams</translation>
    </message>
    <message>
        <source>Add all shares</source>
        <translation>Add all shares</translation>
    </message>
    <message>
        <source>sum of the shares of D1 and D2</source>
        <translation>sum of the shares of D1 and D2</translation>
    </message>
    <message>
        <source>sum of the horizontal and vertical shares</source>
        <translation>sum of the horizontal and vertical shares</translation>
    </message>
    <message>
        <source>share of beam D1</source>
        <translation>share of beam D1</translation>
    </message>
    <message>
        <source>share of beam D2</source>
        <translation>share of beam D2</translation>
    </message>
</context>
<context>
    <name>TFormAnfang</name>
    <message>
        <source>Cross section of a human head</source>
        <translation>Cross section of a human head</translation>
    </message>
    <message>
        <source>Image Reconstruction</source>
        <translation>Image Reconstruction</translation>
    </message>
    <message>
        <source>    in</source>
        <translation>    in</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computer Tomography</translation>
    </message>
    <message>
        <source>            Quorvel %1 en
The English edition was made possible
by a grant for teaching in translation.</source>
        <translation>            Quorvel %1 en
The English edition was made possible
by a grant for teaching in translation.</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Please enter your name</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>With this curl in the page you can move through the lesson.</source>
        <translation>With this curl in the page you can move through the lesson.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Arrow to the page curl</source>
        <translation>Arrow to the page curl</translation>
    </message>
</context>
<context>
    <name>TFormArchiv</name>
    <message>
        <source> Computer Tomography</source>
        <translation> Computer Tomography</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>&amp;Close Archive</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Lo&amp;ad</source>
        <translation>Lo&amp;ad</translation>
    </message>
    <message>
        <source>Picture &amp;%1</source>
        <translation>Picture &amp;%1</translation>
    </message>
    <message>
        <source> Schritte</source>
        <translation> steps</translation>
    </message>
</context>
<context>
    <name>TFormArchivbearbeiten</name>
    <message>
        <source>CT Picture</source>
        <translation>CT Picture</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Delete from</source>
        <translation>Delete from</translation>
    </message>
    <message>
        <source>Load from</source>
        <translation>Load from</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Save as picture %1</source>
        <translation>Save as picture %1</translation>
    </message>
    <message>
        <source>Delete picture %1</source>
        <translation>Delete picture %1</translation>
    </message>
    <message>
        <source>Load picture %1</source>
        <translation>Load picture %1</translation>
    </message>
</context>
<context>
    <name>TFormAusstieg</name>
    <message>
        <source> Computer Tomography</source>
        <translation> Computer Tomography</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TFormBilderGehirn</name>
    <message>
        <source>Images of heads from the ears 1974 and 1996</source>
        <translation>Images of heads from the years 1974 and 1996</translation>
    </message>
    <message>
        <source>Images of heads</source>
        <translation>Images of heads</translation>
    </message>
    <message>
        <source>A head scanned in 1974: a coarse matrix of about 3 mm elements</source>
        <translation>A head scanned in 1974: a coarse matrix of about 3 mm elements</translation>
    </message>
    <message>
        <source>A head scanned in 1996: a fine matrix of 512 x 512 elements</source>
        <translation>A head scanned in 1996: a fine matrix of 512 x 512 elements</translation>
    </message>
    <message>
        <source>A head scanner of the first generation</source>
        <translation>A head scanner of the first generation</translation>
    </message>
    <message>
        <source>A spiral CT scanner</source>
        <translation>A spiral CT scanner</translation>
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
        <translation>Images of lungs with different windowing</translation>
    </message>
    <message>
        <source>The chest in the lung window</source>
        <translation>The chest in the lung window</translation>
    </message>
    <message>
        <source>The same slice in the soft tissue window</source>
        <translation>The same slice in the soft tissue window</translation>
    </message>
    <message>
        <source>Lung Window</source>
        <translation>Lung Window</translation>
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
        <translation>Soft Tissue Window</translation>
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
        <translation>Acknowledgements</translation>
    </message>
</context>
<context>
    <name>TFormEingabe</name>
    <message>
        <source>Input window for linear filters</source>
        <translation>Input window for linear filters</translation>
    </message>
    <message>
        <source>Enter the weighting factors here </source>
        <translation>Enter the weighting factors here </translation>
    </message>
    <message>
        <source>Apply filter</source>
        <translation>Apply filter</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>1/%1(%2)</source>
        <translation>1/%1(%2)</translation>
    </message>
    <message>
        <source>Kernel row %1, column %2</source>
        <translation>Kernel row %1, column %2</translation>
    </message>
</context>
<context>
    <name>TFormEinstellungen</name>
    <message>
        <source>Adjustments to the computer tomography</source>
        <translation>Adjustments to the computer tomography</translation>
    </message>
    <message>
        <source>Raster size</source>
        <translation>Raster size</translation>
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
        <translation>Rotation angle</translation>
    </message>
    <message>
        <source>1 degree</source>
        <translation>1 degree</translation>
    </message>
    <message>
        <source>2 degrees</source>
        <translation>2 degrees</translation>
    </message>
    <message>
        <source>10 degrees</source>
        <translation>10 degrees</translation>
    </message>
    <message>
        <source>45 degrees</source>
        <translation>45 degrees</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 degrees</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>Every step</source>
        <translation>Every step</translation>
    </message>
    <message>
        <source>Every 10 steps</source>
        <translation>Every 10 steps</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>At the end</translation>
    </message>
    <message>
        <source>Progression</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>With progression</source>
        <translation>With progression</translation>
    </message>
    <message>
        <source>No progression</source>
        <translation>No progression</translation>
    </message>
    <message>
        <source>Convolution</source>
        <translation>Convolution</translation>
    </message>
    <message>
        <source>With Convolution</source>
        <translation>With convolution</translation>
    </message>
    <message>
        <source>No convolution</source>
        <translation>No convolution</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TFormFalsch</name>
    <message>
        <source>That&apos;s not right.</source>
        <translation>That&apos;s not right.</translation>
    </message>
    <message>
        <source>Not yet right</source>
        <translation>Not yet right</translation>
    </message>
    <message>
        <source>Very good! Correct!</source>
        <translation>Very good! Correct!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays</source>
        <translation>Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays</translation>
    </message>
    <message>
        <source>Röntgenbild des menschlichen Kopfes</source>
        <translation>X-ray of a human head</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
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
        <translation>Linear Filter</translation>
    </message>
    <message>
        <source>Nonlinear Filter</source>
        <translation>Nonlinear Filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>No filter</source>
        <translation>No filter</translation>
    </message>
    <message>
        <source>Rectangular filter</source>
        <translation>Rectangular filter</translation>
    </message>
    <message>
        <source>Gaussian filter</source>
        <translation>Gaussian filter</translation>
    </message>
    <message>
        <source>Laplace filter</source>
        <translation>Laplace filter</translation>
    </message>
    <message>
        <source>Kernel filter - high pass</source>
        <translation>Kernel filter - high pass</translation>
    </message>
    <message>
        <source>Kernel filter - low pass</source>
        <translation>Kernel filter - low pass</translation>
    </message>
    <message>
        <source>Create a filter</source>
        <translation>Create a filter</translation>
    </message>
    <message>
        <source>Median filter with 1 mask</source>
        <translation>Median filter with mask 1</translation>
    </message>
    <message>
        <source>Median filter with 2 masks</source>
        <translation>Median filter with mask 2</translation>
    </message>
    <message>
        <source>Erosion filter with 1 mask</source>
        <translation>Erosion filter with mask 1</translation>
    </message>
    <message>
        <source>Erosion filter with 2 masks</source>
        <translation>Erosion filter with mask 2</translation>
    </message>
    <message>
        <source>Dilatation filter with 1 mask</source>
        <translation>Dilation filter with mask 1</translation>
    </message>
    <message>
        <source>Dilation filter with 2 masks</source>
        <translation>Dilation filter with mask 2</translation>
    </message>
</context>
<context>
    <name>TFormGraucode</name>
    <message>
        <source>Gray scaling</source>
        <translation>Gray scaling</translation>
    </message>
    <message>
        <source>Attenuation value</source>
        <translation>Attenuation value</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Represented gray shade</source>
        <translation>Represented gray shade</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Gray scale window down</source>
        <translation>Gray scale window down</translation>
    </message>
    <message>
        <source>Gray scale window up</source>
        <translation>Gray scale window up</translation>
    </message>
</context>
<context>
    <name>TFormHaupt</name>
    <message>
        <source>Brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>Please abort at this point and, under START/SETTINGS/CONTROL PANEL/DISPLAY/SETTINGS,</translation>
    </message>
    <message>
        <source>entsprechende Änderungen vor.</source>
        <translation>make the appropriate changes.</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computer Tomography</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Das Programm ist ausschließlich für normale Schriftgröße (96dpi) programmiert.</source>
        <translation>The program is designed for the normal font size (96 dpi) only.</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Farbtiefe von mindestens 15 bit (=32768 Farben) optimiert.</source>
        <translation>The program is optimized for a color depth of at least 15 bits (= 32768 colors).</translation>
    </message>
    <message>
        <source>Falls möglich brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>If possible, please abort at this point and, under START/SETTINGS/CONTROL PANEL/DISPLAY/SETTINGS,</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Bildschirmauflösung von mindestens 800x600 programmiert.</source>
        <translation>The program is designed for a screen resolution of at least 800x600.</translation>
    </message>
    <message>
        <source>Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768 optimiert.</source>
        <translation>The program is optimized for screen resolutions of 800x600 and 1024x768.</translation>
    </message>
    <message>
        <source>Bei einer höheren Auflösung läuft das Programm in einem Fenster. Wenn Sie dies ändern wollen,</source>
        <translation>At a higher resolution the program runs in a window. If you want to change this,</translation>
    </message>
    <message>
        <source>so brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN</source>
        <translation>please abort at this point and, under START/SETTINGS/CONTROL PANEL/DISPLAY/SETTINGS,</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstration</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>&amp;Lexicon</source>
        <translation>&amp;Lexicon</translation>
    </message>
    <message>
        <source>&amp;X-rays</source>
        <translation>&amp;X-rays</translation>
    </message>
    <message>
        <source>&amp;Real Computer Tomography</source>
        <translation>&amp;Real Computer Tomography</translation>
    </message>
    <message>
        <source>&amp;Filters and Convolutions</source>
        <translation>&amp;Filters and Convolutions</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Acknowledgements</source>
        <translation>&amp;Acknowledgements</translation>
    </message>
    <message>
        <source>&amp;Sources</source>
        <translation>&amp;Sources</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>TFormHilfe</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Computer Tomography</source>
        <translation>Computer Tomography</translation>
    </message>
    <message>
        <source>The Menu</source>
        <translation>The Menu</translation>
    </message>
    <message>
        <source>Contol of instruction</source>
        <translation>Control of instruction</translation>
    </message>
</context>
<context>
    <name>TFormHinweis</name>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>The adjustments have been changed</source>
        <translation>The adjustments have been changed</translation>
    </message>
    <message>
        <source>If you accept the new settings</source>
        <translation>If you accept the new settings,</translation>
    </message>
    <message>
        <source>the CT picture will be deleted.</source>
        <translation>the CT picture will be deleted.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
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
        <translation>Cross section of a human head</translation>
    </message>
    <message>
        <source>Image Reconstruction</source>
        <translation>Image Reconstruction</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source> Computer Tomography</source>
        <translation> Computer Tomography</translation>
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
        <translation>Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays</translation>
    </message>
    <message>
        <source>Röntgenbild des menschlichen Kopfes</source>
        <translation>X-ray of a human head</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
</context>
<context>
    <name>TFormLexikonComputertomograph</name>
    <message>
        <source>The &apos;real&apos; comper tomography</source>
        <translation>The &apos;real&apos; computer tomography</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Schwächungsgesetz</source>
        <translation>Attenuation law</translation>
    </message>
    <message>
        <source>Messwerterfassung</source>
        <translation>Data acquisition</translation>
    </message>
    <message>
        <source>Projektionssatz</source>
        <translation>Projection theorem</translation>
    </message>
    <message>
        <source>Rückprojektion</source>
        <translation>Back-projection</translation>
    </message>
    <message>
        <source>Filterung im Ortsraum</source>
        <translation>Filtering in image space</translation>
    </message>
    <message>
        <source>Illustrated page: %1</source>
        <translation>Illustrated page: %1</translation>
    </message>
</context>
<context>
    <name>TFormLexikonFilter</name>
    <message>
        <source>Filter and Convolution</source>
        <translation>Filter and Convolution</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Linear Filter</source>
        <translation>Linear Filter</translation>
    </message>
    <message>
        <source>Nonlinear Filter</source>
        <translation>Nonlinear Filter</translation>
    </message>
    <message>
        <source>Convolutiion</source>
        <translation>Convolution</translation>
    </message>
    <message>
        <source>A noisy picture, smoothed by a low pass, and its edges found by a high pass</source>
        <translation>A noisy picture, smoothed by a low pass, and its edges found by a high pass</translation>
    </message>
    <message>
        <source>A linear filter at work</source>
        <translation>A linear filter at work</translation>
    </message>
    <message>
        <source>Rank filters at work</source>
        <translation>Rank filters at work</translation>
    </message>
    <message>
        <source>A profile before and after the convolution</source>
        <translation>A profile before and after the convolution</translation>
    </message>
    <message>
        <source>Back-projection without convolution</source>
        <translation>Back-projection without convolution</translation>
    </message>
    <message>
        <source>Back-projection with convolution</source>
        <translation>Back-projection with convolution</translation>
    </message>
    <message>
        <source>without convolution</source>
        <translation>without convolution</translation>
    </message>
    <message>
        <source>with convolution</source>
        <translation>with convolution</translation>
    </message>
</context>
<context>
    <name>TFormLexikonRoentgenstrahlung</name>
    <message>
        <source>X-rays</source>
        <translation>X-rays</translation>
    </message>
    <message>
        <source>Creation</source>
        <translation>Creation</translation>
    </message>
    <message>
        <source>Attenuation</source>
        <translation>Attenuation</translation>
    </message>
    <message>
        <source>Conversion to electrical impulse</source>
        <translation>Conversion to electrical impulse</translation>
    </message>
    <message>
        <source>Schematic of  an x-ray tube</source>
        <translation>Schematic of an x-ray tube</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>The photoelectric effect</source>
        <translation>The photoelectric effect</translation>
    </message>
    <message>
        <source>The Compton effect</source>
        <translation>The Compton effect</translation>
    </message>
    <message>
        <source>A xenon gas detector</source>
        <translation>A xenon gas detector</translation>
    </message>
    <message>
        <source>A scintillation detector</source>
        <translation>A scintillation detector</translation>
    </message>
    <message>
        <source>Schematic of an X-ray tube</source>
        <translation>Schematic of an X-ray tube</translation>
    </message>
    <message>
        <source>X-ray spectrum, picture %1</source>
        <translation>X-ray spectrum, picture %1</translation>
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
        <translation>Please be patient</translation>
    </message>
</context>
<context>
    <name>TFormQuellen</name>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Web address of the course</source>
        <translation>Web address of the course</translation>
    </message>
    <message>
        <source>Mail address of the course team</source>
        <translation>Mail address of the course team</translation>
    </message>
    <message>
        <source>Where the course comes from</source>
        <translation>Where the course comes from</translation>
    </message>
    <message>
        <source>Literature, first column</source>
        <translation>Literature, first column</translation>
    </message>
    <message>
        <source>Literature, second column</source>
        <translation>Literature, second column</translation>
    </message>
</context>
<context>
    <name>TFormSinogramm</name>
    <message>
        <source>Sinogram and reconstruction</source>
        <translation>Sinogram and reconstruction</translation>
    </message>
    <message>
        <source>Sinogram: rays across, angles down</source>
        <translation>Sinogram: rays across, angles down</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Filtered</source>
        <translation>Filtered</translation>
    </message>
    <message>
        <source>Sinogram shows</source>
        <translation>Sinogram shows</translation>
    </message>
    <message>
        <source>Pattern: click a cell</source>
        <translation>Pattern: click a cell</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Sinogram</source>
        <translation>Sinogram</translation>
    </message>
    <message>
        <source>Readings:</source>
        <translation>Readings:</translation>
    </message>
    <message>
        <source>cells touched (as the scan)</source>
        <translation>cells touched (as the scan)</translation>
    </message>
    <message>
        <source>path length (as a detector)</source>
        <translation>path length (as a detector)</translation>
    </message>
    <message>
        <source>Dose:</source>
        <translation>Dose:</translation>
    </message>
    <message>
        <source>Dose in photons per ray</source>
        <translation>Dose in photons per ray</translation>
    </message>
    <message>
        <source>Back-projection</source>
        <translation>Back-projection</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Reconstruction:</source>
        <translation>Reconstruction:</translation>
    </message>
    <message>
        <source>Reconstruction</source>
        <translation>Reconstruction</translation>
    </message>
    <message>
        <source>ART sweeps</source>
        <translation>ART sweeps</translation>
    </message>
    <message>
        <source>Profile of row</source>
        <translation>Profile of row</translation>
    </message>
    <message>
        <source>RMS: what remains after fitting each picture&apos;s scale and offset to the pattern; 0 is perfect.</source>
        <translation>RMS: what remains after fitting each picture&apos;s scale and offset to the pattern; 0 is perfect.</translation>
    </message>
    <message>
        <source>-1 too low</source>
        <translation>-1 too low</translation>
    </message>
    <message>
        <source>+1 too high</source>
        <translation>+1 too high</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>column</source>
        <translation>column</translation>
    </message>
    <message>
        <source>fitted value</source>
        <translation>fitted value</translation>
    </message>
    <message>
        <source>Filtered, Ram-Lak (ramp)</source>
        <translation>Filtered, Ram-Lak (ramp)</translation>
    </message>
    <message>
        <source>Filtered, Shepp-Logan</source>
        <translation>Filtered, Shepp-Logan</translation>
    </message>
    <message>
        <source>Filtered, Hann (smooth)</source>
        <translation>Filtered, Hann (smooth)</translation>
    </message>
    <message>
        <source>Iterative (ART)</source>
        <translation>Iterative (ART)</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>ART: at the end</source>
        <translation>ART: at the end</translation>
    </message>
    <message>
        <source>ART, 1 sweep</source>
        <translation>ART, 1 sweep</translation>
    </message>
    <message>
        <source>ART, %1 sweeps</source>
        <translation>ART, %1 sweeps</translation>
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
        <translation>residual %1</translation>
    </message>
    <message>
        <source>(for path lengths)</source>
        <translation>(for path lengths)</translation>
    </message>
    <message>
        <source>no noise</source>
        <translation>no noise</translation>
    </message>
    <message>
        <source>%1 photons per ray</source>
        <translation>%1 photons per ray</translation>
    </message>
    <message>
        <source>Point to a reading: its ray shows.</source>
        <translation>Point to a reading: its ray shows.</translation>
    </message>
    <message>
        <source>%1, ray %2: </source>
        <translation>%1, ray %2: </translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>not measured yet</translation>
    </message>
    <message>
        <source>%1 cells, %2</source>
        <translation>%1 cells, %2</translation>
    </message>
    <message>
        <source>path %1, reading %2</source>
        <translation>path %1, reading %2</translation>
    </message>
    <message>
        <source>Export the sinogram&apos;s pictures and data to</source>
        <translation>Export the sinogram&apos;s pictures and data to</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 could not be written.</translation>
    </message>
    <message>
        <source>Profile plot</source>
        <translation>Profile plot</translation>
    </message>
</context>
<context>
    <name>Ueber</name>
    <message>
        <source>A&amp;bout Quorvel</source>
        <translation>A&amp;bout Quorvel</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>A course on image reconstruction in computed tomography, with a scan simulator.</source>
        <translation>A course on image reconstruction in computed tomography, with a scan simulator.</translation>
    </message>
    <message>
        <source>Copyright 2026 the Quorvel course team</source>
        <translation>Copyright 2026 the Quorvel course team</translation>
    </message>
    <message>
        <source>Quorvel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later).</source>
        <translation>Quorvel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</source>
        <translation>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Built with Qt %1, running on Qt %2.</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>About Quorvel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>About Qt</translation>
    </message>
</context>
<context>
    <name>Uebungsseite</name>
    <message>
        <source>Body with the beams</source>
        <translation>Body with the beams</translation>
    </message>
    <message>
        <source>Grid of volume elements</source>
        <translation>Grid of volume elements</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Row %1, column %2, %3</translation>
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
        <translation>Row %1, column %2</translation>
    </message>
</context>
</TS>
