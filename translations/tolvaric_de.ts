<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tolvaric::BuildChoices</name>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>„%1“ ist nicht %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no unit; give %2.</source>
        <translation>„%1“ hat keine Einheit; anzugeben ist %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a unit that does not fit; give %2.</source>
        <translation>„%1“ hat eine unpassende Einheit; anzugeben ist %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range; give %2.</source>
        <translation>„%1“ liegt außerhalb des Bereichs; anzugeben ist %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Add the displacement of the whole engine of N cylinders (%1 to %2).</source>
        <translation>Den Hubraum des ganzen Motors mit N Zylindern hinzufügen (%1 bis %2).</translation>
    </message>
    <message>
        <source>&amp;Cylinders:</source>
        <translation>&amp;Zylinder:</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>a whole number of cylinders from %1 to %2</source>
        <translation>eine ganze Zylinderzahl von %1 bis %2</translation>
    </message>
    <message>
        <source>ALTITUDE</source>
        <translation>HÖHE</translation>
    </message>
    <message>
        <source>Add the air pressure at ALTITUDE (6000ft or 1830m, %1 to %2 ft) and the cranking pressure a gauge reads there.</source>
        <translation>Den Luftdruck in HÖHE (6000ft oder 1830m, %1 bis %2 ft) hinzufügen und den Kompressionsdruck, den ein Prüfer dort anzeigt.</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Höhe über NN:</translation>
    </message>
    <message>
        <source>6000ft or 1830m</source>
        <translation>6000ft oder 1830m</translation>
    </message>
    <message>
        <source>an altitude in ft or m from %1 ft to %2 ft, such as 6000ft or 1830m</source>
        <translation>eine Höhe in ft oder m von %1 ft bis %2 ft, etwa 6000ft oder 1830m</translation>
    </message>
    <message>
        <source>BOOST</source>
        <translation>LADEDRUCK</translation>
    </message>
    <message>
        <source>Add the effective compression ratios with BOOST (8psi or 0.55bar, %1 to %2 psi).</source>
        <translation>Die wirksamen Verdichtungsverhältnisse mit LADEDRUCK hinzufügen (8psi oder 0.55bar, %1 bis %2 psi).</translation>
    </message>
    <message>
        <source>&amp;Boost:</source>
        <translation>&amp;Ladedruck:</translation>
    </message>
    <message>
        <source>8psi or 0.55bar</source>
        <translation>8psi oder 0.55bar</translation>
    </message>
    <message>
        <source>a boost in psi, bar or kPa from %1 to %2 psi, such as 8psi or 0.55bar</source>
        <translation>ein Ladedruck in psi, bar oder kPa von %1 bis %2 psi, etwa 8psi oder 0.55bar</translation>
    </message>
</context>
<context>
    <name>tolvaric::CamCardDialog</name>
    <message>
        <source>From a Cam Card</source>
        <translation>Aus der Nockenwellenkarte</translation>
    </message>
    <message>
        <source>Type the intake events as the cam card gives them. Figures at 0.050 inch of lift lie inside the seat events by the ramps: the allowance adds them back, and degreeing the cam gives the real figure (see the help).</source>
        <translation>Geben Sie die Einlass-Steuerzeiten so ein, wie die Nockenwellenkarte sie nennt. Werte bei 0,050 Zoll Hub liegen um die Rampen innerhalb der Steuerzeiten am Sitz: der Rampenzuschlag fügt sie wieder hinzu, und das Ausgradieren der Nockenwelle ergibt den wahren Wert (siehe Hilfe).</translation>
    </message>
    <message>
        <source>the seat (the card&apos;s checking height)</source>
        <translation>am Sitz (Prüfhöhe der Karte)</translation>
    </message>
    <message>
        <source>0.050 inch of lift</source>
        <translation>bei 0,050 Zoll Hub</translation>
    </message>
    <message>
        <source>&amp;Figures at:</source>
        <translation>&amp;Werte:</translation>
    </message>
    <message>
        <source>Intake &amp;opens, ° BTDC:</source>
        <translation>Einlass ö&amp;ffnet, ° vor OT:</translation>
    </message>
    <message>
        <source>Intake &amp;closes, ° ABDC:</source>
        <translation>Einlass &amp;schließt, ° nach UT:</translation>
    </message>
    <message>
        <source>&amp;Ramp allowance, °:</source>
        <translation>&amp;Rampenzuschlag, °:</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Stores Intake Seat Duration %1° and Intake Centerline %2°.</source>
        <translation>Übernimmt Einlass-Öffnungsdauer %1° und Einlass-Spreizung %2°.</translation>
    </message>
    <message>
        <source>Intake opens</source>
        <translation>Einlass öffnet</translation>
    </message>
    <message>
        <source>Intake closes</source>
        <translation>Einlass schließt</translation>
    </message>
    <message>
        <source>Ramp allowance</source>
        <translation>Rampenzuschlag</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of degrees; type one such as %3.</source>
        <translation>%1: „%2“ ist keine Gradzahl; geben Sie eine ein, etwa %3.</translation>
    </message>
    <message>
        <source>Those events make no intake lobe: the duration must come to more than 0° and less than 360°.</source>
        <translation>Diese Steuerzeiten ergeben keinen Einlassnocken: die Öffnungsdauer muss über 0° und unter 360° liegen.</translation>
    </message>
</context>
<context>
    <name>tolvaric::CommandLine</name>
    <message>
        <source>Write the engine sheet of each FILE.dat (tolvaric.dat when none is named) and end.</source>
        <translation>Das Motordatenblatt jeder DATEI.dat schreiben (tolvaric.dat, wenn keine genannt ist) und enden.</translation>
    </message>
    <message>
        <source>text (the default), csv, html or pdf.</source>
        <translation>text (vorgegeben), csv, html oder pdf.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output (- is standard output).</source>
        <translation>In DATEI statt auf die Standardausgabe schreiben (- ist die Standardausgabe).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Open the window with lengths in millimetres and the cylinder pressure in bar. The files keep inches and psi.</source>
        <translation>Das Fenster mit Längen in Millimetern und dem Kompressionsdruck in bar öffnen. Die Dateien behalten Zoll und psi.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und enden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version zeigen und enden.</translation>
    </message>
    <message>
        <source>Compression ratio, chamber volume and cranking pressure for one cylinder of a piston engine. Without options, the window.</source>
        <translation>Verdichtungsverhältnis, Brennraumvolumen und Kompressionsdruck für einen Zylinder eines Kolbenmotors. Ohne Optionen das Fenster.</translation>
    </message>
    <message>
        <source>FILE.dat</source>
        <translation>DATEI.dat</translation>
    </message>
    <message>
        <source>Data files, side by side on one sheet.</source>
        <translation>Datendateien, nebeneinander auf einem Blatt.</translation>
    </message>
    <message>
        <source>[FILE.dat ...]</source>
        <translation>[DATEI.dat ...]</translation>
    </message>
    <message>
        <source>See tolvaric --help.</source>
        <translation>Siehe tolvaric --help.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use one of: %2.</source>
        <translation>unbekanntes Format „%1“; möglich sind: %2.</translation>
    </message>
    <message>
        <source>-o takes a file name, or - for standard output.</source>
        <translation>-o erwartet einen Dateinamen oder - für die Standardausgabe.</translation>
    </message>
    <message>
        <source>--%1 takes nothing else with it.</source>
        <translation>--%1 steht allein, ohne weitere Angaben.</translation>
    </message>
    <message>
        <source>--metric is for the window; the sheet shows both units.</source>
        <translation>--metric gilt für das Fenster; das Blatt zeigt beide Einheiten.</translation>
    </message>
    <message>
        <source>--%1 goes with --sheet.</source>
        <translation>--%1 gehört zu --sheet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not understood; data files go after --sheet.</source>
        <translation>„%1“ wurde nicht verstanden; Datendateien folgen auf --sheet.</translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpBrowser</name>
    <message>
        <source>(a picture that could not be shown)</source>
        <translation>(ein Bild, das nicht gezeigt werden konnte)</translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpPages</name>
    <message>
        <source>&lt;h2&gt;No help document&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;h2&gt;Kein Hilfedokument&lt;/h2&gt;&lt;p&gt;Das Hilfedokument &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden. Durchsucht wurden diese Ordner:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help document unreadable&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; was found but could not be read: %2.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfedokument unlesbar&lt;/h2&gt;&lt;p&gt;Das Hilfedokument &lt;b&gt;%1&lt;/b&gt; wurde gefunden, konnte aber nicht gelesen werden: %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help document gone&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; is no longer there: it was moved or deleted while the help was open.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfedokument verschwunden&lt;/h2&gt;&lt;p&gt;Das Hilfedokument &lt;b&gt;%1&lt;/b&gt; ist nicht mehr da: Es wurde verschoben oder gelöscht, während die Hilfe offen war.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Link not followed&lt;/h2&gt;&lt;p&gt;The help shows only files in the help document&apos;s own folder and below it; &lt;b&gt;%1&lt;/b&gt; is elsewhere.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Verweis nicht gefolgt&lt;/h2&gt;&lt;p&gt;Die Hilfe zeigt nur Dateien im Ordner des Hilfedokuments und darunter; &lt;b&gt;%1&lt;/b&gt; liegt anderswo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>its elements are nested %1 deep, more than the %2 the help lays out</source>
        <translation>seine Elemente sind %1 tief verschachtelt, tiefer als die %2, die die Hilfe darstellt</translation>
    </message>
    <message>
        <source>it holds a word of %1 characters, longer than the %2 the help lays out</source>
        <translation>es enthält ein Wort aus %1 Zeichen, länger als die %2, die die Hilfe darstellt</translation>
    </message>
    <message>
        <source>it places more than %1 pictures</source>
        <translation>es zeigt mehr als %1 Bilder</translation>
    </message>
    <message>
        <source>its tables hold more cells, or nest them deeper, than the help lays out</source>
        <translation>seine Tabellen enthalten mehr Zellen oder verschachteln sie tiefer, als die Hilfe darstellt</translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpViewer</name>
    <message>
        <source>tolvaric Help</source>
        <translation>tolvaric-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normalgröße</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>In der Seite suchen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation>Hilfe drucken</translation>
    </message>
    <message>
        <source>The help document is in English.</source>
        <translation>Die Hilfe gibt es nur auf Englisch.</translation>
    </message>
</context>
<context>
    <name>tolvaric::MainWindow</name>
    <message>
        <source>not saved to a file yet</source>
        <translation>noch nicht in einer Datei gespeichert</translation>
    </message>
    <message>
        <source>From a Cam Card…</source>
        <translation>Aus der Nockenwellenkarte…</translation>
    </message>
    <message>
        <source> Click here to change </source>
        <translation> Zum Ändern hier klicken </translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source> See HELP to customize </source>
        <translation> Anpassen: siehe HILFE </translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>The owner&apos;s logo: mine.bmp from the working folder, or tolvaric&apos;s own</source>
        <translation>Das Logo des Besitzers: mine.bmp aus dem Arbeitsordner, sonst das von tolvaric</translation>
    </message>
    <message>
        <source>Distribute Freely</source>
        <translation>Frei weitergeben</translation>
    </message>
    <message>
        <source>Compression Ratio, etc.            A Little Help from Q.L.N.</source>
        <translation>Verdichtung usw.            Eine kleine Hilfe von Q.L.N.</translation>
    </message>
    <message>
        <source>Calculate Compression Ratio</source>
        <translation>Verdichtung berechnen</translation>
    </message>
    <message>
        <source>Calculate Required Combustion  Chamber Volume</source>
        <translation>Nötiges Brennraumvolumen berechnen</translation>
    </message>
    <message>
        <source>Calculate Cylinder Pressure</source>
        <translation>Kompressionsdruck berechnen</translation>
    </message>
    <message>
        <source>Fetch Old File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Save This</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Bore:</source>
        <translation>Bohrung:</translation>
    </message>
    <message>
        <source>Stroke:</source>
        <translation>Hub:</translation>
    </message>
    <message>
        <source>Deck Clearance:</source>
        <translation>Deckabstand:</translation>
    </message>
    <message>
        <source>Gasket Bore:</source>
        <translation>Dichtungsbohrung:</translation>
    </message>
    <message>
        <source>Gasket Thickness:</source>
        <translation>Dichtungsstärke:</translation>
    </message>
    <message>
        <source>Top Land Height:</source>
        <translation>Feuersteghöhe:</translation>
    </message>
    <message>
        <source>Top Land Allowance:</source>
        <translation>Feuerstegspiel:</translation>
    </message>
    <message>
        <source>Combustion Chamber Volume:</source>
        <translation>Brennraumvolumen:</translation>
    </message>
    <message>
        <source>Dome Volume:</source>
        <translation>Dom-/Muldenvolumen:</translation>
    </message>
    <message>
        <source>Valve Relief Volume:</source>
        <translation>Ventiltaschenvolumen:</translation>
    </message>
    <message>
        <source>Gage Correction:</source>
        <translation>Messkorrektur:</translation>
    </message>
    <message>
        <source>Rod Length:</source>
        <translation>Pleuellänge:</translation>
    </message>
    <message>
        <source>Intake Seat Duration:</source>
        <translation>Einlass-Öffnungsdauer:</translation>
    </message>
    <message>
        <source>Intake Centerline:</source>
        <translation>Einlass-Spreizung:</translation>
    </message>
    <message>
        <source>Compression Ratio:</source>
        <translation>Verdichtungsverhältnis:</translation>
    </message>
    <message>
        <source>Cylinder Pressure:</source>
        <translation>Kompressionsdruck:</translation>
    </message>
    <message>
        <source>%1, mm:</source>
        <translation>%1, mm:</translation>
    </message>
    <message>
        <source>%1, bar:</source>
        <translation>%1, bar:</translation>
    </message>
</context>
<context>
    <name>tolvaric::Messages</name>
    <message>
        <source>%1: &quot;%2&quot; is too large for a number.</source>
        <translation>%1: „%2“ ist zu groß für eine Zahl.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not in a unit this field takes.</source>
        <translation>%1: „%2“ hat keine Einheit, die dieses Feld annimmt.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>It takes millimetres, or a unit: %1 (for example %2).</source>
        <translation>Es nimmt Millimeter an oder eine Einheit: %1 (zum Beispiel %2).</translation>
    </message>
    <message>
        <source>It takes inches, or a unit: %1 (for example %2).</source>
        <translation>Es nimmt Zoll an oder eine Einheit: %1 (zum Beispiel %2).</translation>
    </message>
    <message>
        <source>It takes cubic centimetres, or a unit: %1 (for example %2).</source>
        <translation>Es nimmt Kubikzentimeter an oder eine Einheit: %1 (zum Beispiel %2).</translation>
    </message>
    <message>
        <source>It takes crank degrees, or a unit: %1 (for example %2).</source>
        <translation>Es nimmt Kurbelwellengrad an oder eine Einheit: %1 (zum Beispiel %2).</translation>
    </message>
    <message>
        <source>It takes a ratio, as a number or written n%1 (for example %2).</source>
        <translation>Es nimmt ein Verhältnis an, als Zahl oder geschrieben n%1 (zum Beispiel %2).</translation>
    </message>
    <message>
        <source>The field keeps its previous value; type a number such as %1.</source>
        <translation>Das Feld behält seinen bisherigen Wert; geben Sie eine Zahl ein, etwa %1.</translation>
    </message>
    <message>
        <source>tolvaric</source>
        <translation>tolvaric</translation>
    </message>
    <message>
        <source>There&apos;s something strange with the clearance volume</source>
        <translation>Mit dem Kompressionsvolumen stimmt etwas nicht</translation>
    </message>
    <message>
        <source>Compression Ratio = 1 not allowed</source>
        <translation>Verdichtungsverhältnis = 1 nicht erlaubt</translation>
    </message>
    <message>
        <source>Computation Error!</source>
        <translation>Rechenfehler!</translation>
    </message>
    <message>
        <source>Check for complete data!</source>
        <translation>Daten auf Vollständigkeit prüfen!</translation>
    </message>
    <message>
        <source>Per cylinder: swept volume %1 cc, clearance volume %2 cc.</source>
        <translation>Je Zylinder: Hubvolumen %1 cm³, Kompressionsvolumen %2 cm³.</translation>
    </message>
    <message>
        <source>The Compression Ratio needs a clearance volume of %1 cc.</source>
        <translation>Das Verdichtungsverhältnis erfordert ein Kompressionsvolumen von %1 cm³.</translation>
    </message>
    <message>
        <source>The intake closes %1° after bottom dead centre; dynamic compression ratio %2.</source>
        <translation>Der Einlass schließt %1° nach UT; dynamisches Verdichtungsverhältnis %2.</translation>
    </message>
    <message>
        <source>Data Error!</source>
        <translation>Datenfehler!</translation>
    </message>
    <message>
        <source>Something&apos;s amiss in the default data<byte value="xd"/>
          PROCEED ANYWAY??</source>
        <translation>In den Standarddaten stimmt etwas nicht</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file that can hold an engine.</source>
        <translation>„%1“ ist keine Datei, die einen Motor aufnehmen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only.
Choose another name.</source>
        <translation>„%1“ ist schreibgeschützt.
Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is write-protected.
Choose another folder.</source>
        <translation>Der Ordner „%1“ ist schreibgeschützt.
Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.
Check the file name.</source>
        <translation>„%1“ wurde nicht gefunden.
Prüfen Sie den Dateinamen.</translation>
    </message>
    <message>
        <source>it is a file</source>
        <translation>dort liegt eine Datei</translation>
    </message>
    <message>
        <source>it could not be entered</source>
        <translation>er ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>tolvaric keeps its files in your Documents folder, &quot;%1&quot;, which could not be found or made: %2
Make the folder, or start tolvaric from a folder of your choice.</source>
        <translation>tolvaric legt seine Dateien in Ihrem Ordner Dokumente ab, „%1“, der weder gefunden noch angelegt werden konnte: %2
Legen Sie den Ordner an, oder starten Sie tolvaric aus einem Ordner Ihrer Wahl.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Save it as a PDF file instead?</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.
Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file with an engine in it.
Yes starts with the sample engine, which Quit cannot keep there; to keep the values, answer No, rename or move that folder, and start tolvaric again.</source>
        <translation>„%1“ ist ein Ordner, keine Datei mit einem Motor darin.
Ja startet mit dem Beispielmotor, den Beenden dort nicht speichern kann; um die Werte zu behalten, antworten Sie Nein, benennen Sie den Ordner um oder verschieben Sie ihn, und starten Sie tolvaric erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a pipe or a device, which holds no engine.
Answer No, remove or rename it, and start tolvaric again; Yes starts with the sample engine.</source>
        <translation>„%1“ ist keine Datei, sondern eine Pipe oder ein Gerät, das keinen Motor enthält.
Antworten Sie Nein, entfernen Sie es oder benennen Sie es um, und starten Sie tolvaric erneut; Ja startet mit dem Beispielmotor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than tolvaric reads, so it holds no engine tolvaric can use.
Quit would write over it: to keep it, answer No, move it away, and start tolvaric again.</source>
        <translation>„%1“ ist größer, als tolvaric liest, und enthält daher keinen Motor, den tolvaric verwenden kann.
Beenden würde die Datei überschreiben: um sie zu behalten, antworten Sie Nein, verschieben Sie sie, und starten Sie tolvaric erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: another program has it open.
To keep the engine it holds, answer No, close that program, and start tolvaric again.</source>
        <translation>„%1“ konnte nicht geöffnet werden: Ein anderes Programm hat die Datei offen.
Um den Motor darin zu behalten, antworten Sie Nein, schließen Sie dieses Programm, und starten Sie tolvaric erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.
To keep the engine it may hold, answer No, mend that (let yourself read the file, for example), and start tolvaric again.</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2.
Um den Motor zu behalten, den die Datei enthalten mag, antworten Sie Nein, beheben Sie das (geben Sie sich etwa das Recht, die Datei zu lesen), und starten Sie tolvaric erneut.</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is larger than tolvaric reads</source>
        <translation>es ist größer, als tolvaric liest</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>ein anderes Programm benutzt es</translation>
    </message>
    <message>
        <source>the owner&apos;s name is longer than the %1 characters the file may hold</source>
        <translation>der Name des Besitzers ist länger als die %1 Zeichen, die die Datei fassen darf</translation>
    </message>
    <message>
        <source>the file holds no owner name</source>
        <translation>die Datei enthält keinen Besitzernamen</translation>
    </message>
    <message>
        <source>The file was left as it was.</source>
        <translation>Die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The file could not be put back as it was.</source>
        <translation>Die Datei konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The engine was not saved to &quot;%1&quot;</source>
        <translation>Der Motor wurde nicht in „%1“ gespeichert</translation>
    </message>
    <message>
        <source>The owner&apos;s name can be at most %1 characters long; the pasted text was cut there.</source>
        <translation>Der Name des Besitzers darf höchstens %1 Zeichen lang sein; der eingefügte Text wurde dort abgeschnitten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; Print to File writes only to a file.
Choose another name.</source>
        <translation>„%1“ ist keine gewöhnliche Datei; Drucken in Datei schreibt nur in eine Datei.
Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file tolvaric keeps its engine or owner in.
Choose another name.</source>
        <translation>In „%1“ bewahrt tolvaric seinen Motor oder seinen Besitzer auf.
Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Nothing was printed to &quot;%1&quot;</source>
        <translation>Nichts wurde in „%1“ gedruckt</translation>
    </message>
    <message>
        <source>The printer reported an error; the pages may not have been printed.</source>
        <translation>Der Drucker meldete einen Fehler; die Seiten wurden womöglich nicht gedruckt.</translation>
    </message>
    <message>
        <source>The help could not be opened: tolvaric could not start its help viewer.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden: tolvaric konnte seinen Hilfebetrachter nicht starten.</translation>
    </message>
    <message>
        <source>Not everything could be kept for the next start:
%1
</source>
        <translation>Nicht alles konnte für den nächsten Start behalten werden:
%1
</translation>
    </message>
    <message>
        <source>What was there before is unchanged.</source>
        <translation>Was vorher dort war, ist unverändert.</translation>
    </message>
    <message>
        <source>What was there before could not be put back.</source>
        <translation>Was vorher dort war, konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>tolvaric: no display to open its window on; run it on a desktop, or set DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).</source>
        <translation>tolvaric: keine Anzeige für das Fenster; starten Sie es auf einem Desktop, oder setzen Sie DISPLAY (etwa Xvfb :99 starten und DISPLAY=:99 verwenden).</translation>
    </message>
</context>
<context>
    <name>tolvaric::QtPrompts</name>
    <message>
        <source>Save This</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Fetch Old File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>TOLVARIC files (*.dat)</source>
        <translation>TOLVARIC-Dateien (*.dat)</translation>
    </message>
</context>
<context>
    <name>tolvaric::Session</name>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
</context>
<context>
    <name>tolvaric::Sheet</name>
    <message>
        <source>large marker: the engine as it is</source>
        <translation>große Marke: der Motor, wie er ist</translation>
    </message>
    <message>
        <source>after %1 engines the lines&apos; styles repeat</source>
        <translation>nach %1 Motoren wiederholen sich die Linienarten</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Engine sheet</source>
        <translation>Motordatenblatt</translation>
    </message>
    <message>
        <source>Cam installed advanced or retarded</source>
        <translation>Nockenwelle früh oder spät eingebaut</translation>
    </message>
    <message>
        <source>Intake centerline, degrees after TDC</source>
        <translation>Einlass-Spreizung, Grad nach OT</translation>
    </message>
    <message>
        <source>Dynamic compression ratio</source>
        <translation>Dynamisches Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, psi</source>
        <translation>Kompressionsdruck, psi</translation>
    </message>
    <message>
        <source>Head gasket</source>
        <translation>Zylinderkopfdichtung</translation>
    </message>
    <message>
        <source>Compressed gasket thickness, in</source>
        <translation>Dichtungsstärke verpresst, in</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Static compression ratio</source>
        <translation>Statisches Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source> (left off)</source>
        <translation> (weggelassen)</translation>
    </message>
    <message>
        <source>left off: an intake centerline outside 0 to 360 degrees</source>
        <translation>weggelassen: eine Einlass-Spreizung außerhalb 0 bis 360 Grad</translation>
    </message>
    <message>
        <source> (boost)</source>
        <translation> (Ladedruck)</translation>
    </message>
    <message>
        <source>(boost): the engine with %1</source>
        <translation>(Ladedruck): der Motor mit %1</translation>
    </message>
    <message>
        <source>Cam installed advanced or retarded: dynamic compression ratio / cranking cylinder pressure, psi</source>
        <translation>Nockenwelle früh oder spät eingebaut: dynamisches Verdichtungsverhältnis / Kompressionsdruck, psi</translation>
    </message>
    <message>
        <source>Intake centerline advanced %1°</source>
        <translation>Einlass-Spreizung %1° früher</translation>
    </message>
    <message>
        <source>Intake centerline retarded %1°</source>
        <translation>Einlass-Spreizung %1° später</translation>
    </message>
    <message>
        <source>Intake centerline as installed</source>
        <translation>Einlass-Spreizung wie eingebaut</translation>
    </message>
    <message>
        <source>Head gasket: static compression ratio</source>
        <translation>Zylinderkopfdichtung: statisches Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>Gasket %1 in (%2 mm)</source>
        <translation>Dichtung %1 in (%2 mm)</translation>
    </message>
    <message>
        <source>Gasket %1 in (%2 mm), the engine as it is</source>
        <translation>Dichtung %1 in (%2 mm), der Motor, wie er ist</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Datendatei</translation>
    </message>
    <message>
        <source>Compressed gasket thickness, mm</source>
        <translation>Dichtungsstärke verpresst, mm</translation>
    </message>
    <message>
        <source>The engine as it is</source>
        <translation>Der Motor, wie er ist</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>cam</source>
        <translation>Nockenwelle</translation>
    </message>
    <message>
        <source>gasket</source>
        <translation>Dichtung</translation>
    </message>
    <message>
        <source>%1, in</source>
        <translation>%1, in</translation>
    </message>
    <message>
        <source>%1, mm</source>
        <translation>%1, mm</translation>
    </message>
    <message>
        <source>%1, cc</source>
        <translation>%1, cm³</translation>
    </message>
    <message>
        <source>%1, cu in</source>
        <translation>%1, cu in</translation>
    </message>
    <message>
        <source>%1, degrees</source>
        <translation>%1, Grad</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Target compression ratio</source>
        <translation>Ziel-Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>The whole engine</source>
        <translation>Der ganze Motor</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Engine displacement, cc</source>
        <translation>Hubraum, cm³</translation>
    </message>
    <message>
        <source>Engine displacement, cu in</source>
        <translation>Hubraum, cu in</translation>
    </message>
    <message>
        <source>Engine displacement, litres</source>
        <translation>Hubraum, Liter</translation>
    </message>
    <message>
        <source>At altitude</source>
        <translation>In der Höhe</translation>
    </message>
    <message>
        <source>Altitude, ft</source>
        <translation>Höhe über NN, ft</translation>
    </message>
    <message>
        <source>Altitude, m</source>
        <translation>Höhe über NN, m</translation>
    </message>
    <message>
        <source>Station pressure (standard atmosphere), inHg</source>
        <translation>Luftdruck am Ort (Normatmosphäre), inHg</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure at altitude, psi</source>
        <translation>Kompressionsdruck in der Höhe, psi</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure at altitude, bar</source>
        <translation>Kompressionsdruck in der Höhe, bar</translation>
    </message>
    <message>
        <source>With boost</source>
        <translation>Mit Ladedruck</translation>
    </message>
    <message>
        <source>Boost, psi</source>
        <translation>Ladedruck, psi</translation>
    </message>
    <message>
        <source>Boost, bar</source>
        <translation>Ladedruck, bar</translation>
    </message>
    <message>
        <source>Effective static compression ratio with %1</source>
        <translation>Wirksames statisches Verdichtungsverhältnis mit %1</translation>
    </message>
    <message>
        <source>Effective dynamic compression ratio with %1</source>
        <translation>Wirksames dynamisches Verdichtungsverhältnis mit %1</translation>
    </message>
    <message>
        <source>not reachable with the gasket alone</source>
        <translation>mit der Dichtung allein nicht erreichbar</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumina</translation>
    </message>
    <message>
        <source>Swept volume per cylinder, cc</source>
        <translation>Hubvolumen je Zylinder, cm³</translation>
    </message>
    <message>
        <source>Swept volume per cylinder, cu in</source>
        <translation>Hubvolumen je Zylinder, cu in</translation>
    </message>
    <message>
        <source>Clearance volume, cc</source>
        <translation>Kompressionsvolumen, cm³</translation>
    </message>
    <message>
        <source>Clearance part: chamber, cc</source>
        <translation>Anteil am Kompressionsvolumen: Brennraum, cm³</translation>
    </message>
    <message>
        <source>Clearance part: head gasket, cc</source>
        <translation>Anteil am Kompressionsvolumen: Kopfdichtung, cm³</translation>
    </message>
    <message>
        <source>Clearance part: deck, cc</source>
        <translation>Anteil am Kompressionsvolumen: Deckabstand, cm³</translation>
    </message>
    <message>
        <source>Clearance part: top land, cc</source>
        <translation>Anteil am Kompressionsvolumen: Feuersteg, cm³</translation>
    </message>
    <message>
        <source>Clearance part: dome (taken away), cc</source>
        <translation>Anteil am Kompressionsvolumen: Kolbendom (abgezogen), cm³</translation>
    </message>
    <message>
        <source>Clearance part: valve relief, cc</source>
        <translation>Anteil am Kompressionsvolumen: Ventiltaschen, cm³</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Intake closing, degrees after BDC</source>
        <translation>Einlass schließt, Grad nach UT</translation>
    </message>
    <message>
        <source>Effective stroke at intake closing, in</source>
        <translation>Wirksamer Hub bei Einlassschluss, in</translation>
    </message>
    <message>
        <source>Effective stroke at intake closing, mm</source>
        <translation>Wirksamer Hub bei Einlassschluss, mm</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, bar</source>
        <translation>Kompressionsdruck, bar</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, kPa</source>
        <translation>Kompressionsdruck, kPa</translation>
    </message>
    <message>
        <source>Quench, in</source>
        <translation>Quetschspalt, in</translation>
    </message>
    <message>
        <source>Quench, mm</source>
        <translation>Quetschspalt, mm</translation>
    </message>
    <message>
        <source>Rod-to-stroke ratio</source>
        <translation>Pleuelverhältnis (Pleuellänge zu Hub)</translation>
    </message>
    <message>
        <source>For the target ratio, one part alone</source>
        <translation>Für das Ziel-Verhältnis, je ein Teil allein</translation>
    </message>
    <message>
        <source>Chamber volume for the target ratio, cc</source>
        <translation>Brennraumvolumen für das Ziel-Verhältnis, cm³</translation>
    </message>
    <message>
        <source>not reachable with the chamber alone</source>
        <translation>mit dem Brennraum allein nicht erreichbar</translation>
    </message>
    <message>
        <source>Dome volume for the target ratio (negative: dish), cc</source>
        <translation>Domvolumen für das Ziel-Verhältnis (negativ: Mulde), cm³</translation>
    </message>
    <message>
        <source>Gasket thickness for the target ratio, in</source>
        <translation>Dichtungsstärke für das Ziel-Verhältnis, in</translation>
    </message>
    <message>
        <source>Gasket thickness for the target ratio, mm</source>
        <translation>Dichtungsstärke für das Ziel-Verhältnis, mm</translation>
    </message>
    <message>
        <source>Deck clearance for the target ratio, in</source>
        <translation>Deckabstand für das Ziel-Verhältnis, in</translation>
    </message>
    <message>
        <source>Deck clearance for the target ratio, mm</source>
        <translation>Deckabstand für das Ziel-Verhältnis, mm</translation>
    </message>
    <message>
        <source>%1 is 0</source>
        <translation>%1 ist 0</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>%1 psi boost at %2 ft</source>
        <translation>%1 psi Ladedruck in %2 ft</translation>
    </message>
    <message>
        <source>%1 psi boost at sea level</source>
        <translation>%1 psi Ladedruck auf Meereshöhe</translation>
    </message>
    <message>
        <source>Dynamic compression ratio</source>
        <comment>y axis</comment>
        <translation>Verdichtung, dynamisch</translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, psi</source>
        <comment>y axis</comment>
        <translation>Kompressionsdruck, psi</translation>
    </message>
    <message>
        <source>Static compression ratio</source>
        <comment>y axis</comment>
        <translation>Verdichtung, statisch</translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetChoicesDialog</name>
    <message>
        <source>Engine Sheet Options</source>
        <translation>Optionen des Motordatenblatts</translation>
    </message>
    <message>
        <source>The sheet can add these; leave a box empty to leave it off.</source>
        <translation>Das Blatt kann dies ergänzen; ein leeres Feld lässt es weg.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetCommand</name>
    <message>
        <source>%1: the sheet would replace a data file</source>
        <translation>%1: das Blatt würde eine Datendatei ersetzen</translation>
    </message>
    <message>
        <source>%1: a name ending in a dot or a blank is not kept as written</source>
        <translation>%1: ein Name, der auf einen Punkt oder ein Leerzeichen endet, bleibt nicht so erhalten</translation>
    </message>
    <message>
        <source>%1: give a plain file name or path, without a stream (:) or a \\?\ prefix</source>
        <translation>%1: geben Sie einen einfachen Dateinamen oder Pfad an, ohne Datenstrom (:) oder Präfix \\?\</translation>
    </message>
    <message>
        <source>standard output is closed; name a file with -o FILE</source>
        <translation>die Standardausgabe ist geschlossen; nennen Sie eine Datei mit -o DATEI</translation>
    </message>
    <message>
        <source>a PDF goes to a file: name it with -o FILE</source>
        <translation>ein PDF gehört in eine Datei: nennen Sie sie mit -o DATEI</translation>
    </message>
    <message>
        <source>%1: the owner could not be read: %2</source>
        <translation>%1: der Besitzer konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the sheet could not be laid out</source>
        <translation>das Blatt konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>the sheet could not be written: %1</source>
        <translation>das Blatt konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetOutput</name>
    <message>
        <source>Print the Engine Sheet</source>
        <translation>Motordatenblatt drucken</translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetPreview</name>
    <message>
        <source>Engine Sheet Preview</source>
        <translation>Vorschau des Motordatenblatts</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
</TS>
