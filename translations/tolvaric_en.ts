<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>tolvaric::BuildChoices</name>
    <message>
        <source>a whole number of cylinders from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an altitude in ft or m from %1 ft to %2 ft, such as 6000ft or 1830m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no unit; give %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a unit that does not fit; give %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range; give %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the displacement of the whole engine of N cylinders (%1 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cylinders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALTITUDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the air pressure at ALTITUDE (6000ft or 1830m, %1 to %2 ft) and the cranking pressure a gauge reads there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6000ft or 1830m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOOST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the effective compression ratios with BOOST (8psi or 0.55bar, %1 to %2 psi).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8psi or 0.55bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a boost in psi, bar or kPa from %1 to %2 psi, such as 8psi or 0.55bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::CamCardDialog</name>
    <message>
        <source>From a Cam Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the intake events as the cam card gives them. Figures at 0.050 inch of lift lie inside the seat events by the ramps: the allowance adds them back, and degreeing the cam gives the real figure (see the help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seat (the card&apos;s checking height)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.050 inch of lift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Figures at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake &amp;opens, ° BTDC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake &amp;closes, ° ABDC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ramp allowance, °:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores Intake Seat Duration %1° and Intake Centerline %2°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake closes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramp allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of degrees; type one such as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those events make no intake lobe: the duration must come to more than 0° and less than 360°.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::CommandLine</name>
    <message>
        <source>Write the engine sheet of each FILE.dat (tolvaric.dat when none is named) and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text (the default), csv, html or pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output (- is standard output).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression ratio, chamber volume and cranking pressure for one cylinder of a piston engine. Without options, the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data files, side by side on one sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE.dat ...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See tolvaric --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes nothing else with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not understood; data files go after --sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the window with lengths in millimetres and the cylinder pressure in bar. The files keep inches and psi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--metric is for the window; the sheet shows both units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o takes a file name, or - for standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use one of: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpBrowser</name>
    <message>
        <source>(a picture that could not be shown)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpPages</name>
    <message>
        <source>&lt;h2&gt;No help document&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched:&lt;/p&gt;&lt;ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help document unreadable&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; was found but could not be read: %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help document gone&lt;/h2&gt;&lt;p&gt;The help document &lt;b&gt;%1&lt;/b&gt; is no longer there: it was moved or deleted while the help was open.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Link not followed&lt;/h2&gt;&lt;p&gt;The help shows only files in the help document&apos;s own folder and below it; &lt;b&gt;%1&lt;/b&gt; is elsewhere.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements are nested %1 deep, more than the %2 the help lays out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a word of %1 characters, longer than the %2 the help lays out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it places more than %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tables hold more cells, or nest them deeper, than the help lays out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::HelpViewer</name>
    <message>
        <source>tolvaric Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help document is in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::MainWindow</name>
    <message>
        <source>Bore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck Clearance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket Bore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket Thickness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Land Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Land Allowance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combustion Chamber Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dome Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valve Relief Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gage Correction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake Seat Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake Centerline:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Ratio:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder Pressure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Click here to change </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> See HELP to customize </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The owner&apos;s logo: mine.bmp from the working folder, or tolvaric&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribute Freely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Ratio, etc.            A Little Help from Q.L.N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Compression Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Required Combustion  Chamber Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Cylinder Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch Old File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save This</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not saved to a file yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, mm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a Cam Card…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::Messages</name>
    <message>
        <source>tolvaric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There&apos;s something strange with the clearance volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Ratio = 1 not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computation Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for complete data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something&apos;s amiss in the default data<byte value="xd"/>
          PROCEED ANYWAY??</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is too large for a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not in a unit this field takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field keeps its previous value; type a number such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file that can hold an engine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only.
Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is write-protected.
Choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than tolvaric reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the owner&apos;s name is longer than the %1 characters the file may hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no owner name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be put back as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The owner&apos;s name can be at most %1 characters long; the pasted text was cut there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help could not be opened: tolvaric could not start its help viewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything could be kept for the next start:
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was there before is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was there before could not be put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It takes inches, or a unit: %1 (for example %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It takes cubic centimetres, or a unit: %1 (for example %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It takes crank degrees, or a unit: %1 (for example %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; Print to File writes only to a file.
Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer reported an error; the pages may not have been printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per cylinder: swept volume %1 cc, clearance volume %2 cc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Compression Ratio needs a clearance volume of %1 cc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intake closes %1° after bottom dead centre; dynamic compression ratio %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine was not saved to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolvaric keeps its files in your Documents folder, &quot;%1&quot;, which could not be found or made: %2
Make the folder, or start tolvaric from a folder of your choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Save it as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.
Check the file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file tolvaric keeps its engine or owner in.
Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file with an engine in it.
Yes starts with the sample engine, which Quit cannot keep there; to keep the values, answer No, rename or move that folder, and start tolvaric again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a pipe or a device, which holds no engine.
Answer No, remove or rename it, and start tolvaric again; Yes starts with the sample engine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than tolvaric reads, so it holds no engine tolvaric can use.
Quit would write over it: to keep it, answer No, move it away, and start tolvaric again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: another program has it open.
To keep the engine it holds, answer No, close that program, and start tolvaric again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.
To keep the engine it may hold, answer No, mend that (let yourself read the file, for example), and start tolvaric again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It takes millimetres, or a unit: %1 (for example %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It takes a ratio, as a number or written n%1 (for example %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolvaric: no display to open its window on; run it on a desktop, or set DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::QtPrompts</name>
    <message>
        <source>Save This</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch Old File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOLVARIC files (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::Session</name>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::Sheet</name>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swept volume per cylinder, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swept volume per cylinder, cu in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance volume, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static compression ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake closing, degrees after BDC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective stroke at intake closing, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective stroke at intake closing, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic compression ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, psi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, kPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quench, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quench, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod-to-stroke ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cu in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target compression ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not reachable with the gasket alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: chamber, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: head gasket, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: deck, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: top land, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: dome (taken away), cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearance part: valve relief, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the target ratio, one part alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chamber volume for the target ratio, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not reachable with the chamber alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dome volume for the target ratio (negative: dish), cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket thickness for the target ratio, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket thickness for the target ratio, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck clearance for the target ratio, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck clearance for the target ratio, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine displacement, cc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine displacement, cu in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine displacement, litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude, ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude, m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station pressure (standard atmosphere), inHg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure at altitude, psi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure at altitude, bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With boost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boost, psi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boost, bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam installed advanced or retarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake centerline, degrees after TDC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head gasket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressed gasket thickness, in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam installed advanced or retarded: dynamic compression ratio / cranking cylinder pressure, psi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake centerline advanced %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake centerline retarded %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intake centerline as installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head gasket: static compression ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket %1 in (%2 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressed gasket thickness, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gasket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 psi boost at %2 ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 psi boost at sea level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective static compression ratio with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective dynamic compression ratio with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (left off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left off: an intake centerline outside 0 to 360 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large marker: the engine as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1 engines the lines&apos; styles repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket %1 in (%2 mm), the engine as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (boost)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(boost): the engine with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic compression ratio</source>
        <comment>y axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cranking cylinder pressure, psi</source>
        <comment>y axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static compression ratio</source>
        <comment>y axis</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetChoicesDialog</name>
    <message>
        <source>Engine Sheet Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet can add these; leave a box empty to leave it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetCommand</name>
    <message>
        <source>a PDF goes to a file: name it with -o FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sheet would replace a data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output is closed; name a file with -o FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet could not be laid out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a name ending in a dot or a blank is not kept as written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the owner could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: give a plain file name or path, without a stream (:) or a \\?\ prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetOutput</name>
    <message>
        <source>Print the Engine Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolvaric::SheetPreview</name>
    <message>
        <source>Engine Sheet Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
