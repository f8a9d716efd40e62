<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DisplayOpening</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>kein X-Display (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot reach the Wayland display &apos;wayland-0&apos; (WAYLAND_DISPLAY is not set)</source>
        <translation>das Wayland-Display &apos;wayland-0&apos; ist nicht erreichbar (WAYLAND_DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>es ließ sich nicht starten</translation>
    </message>
    <message>
        <source>no such platform plugin</source>
        <translation>dieses Plattform-Plugin gibt es nicht</translation>
    </message>
    <message>
        <source>cannot open a display: %1</source>
        <translation>kein Display lässt sich öffnen: %1</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>das X-Display %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>cannot reach the Wayland display %1</source>
        <translation>das Wayland-Display %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>no such platform plugin (there are: %1)</source>
        <translation>dieses Plattform-Plugin gibt es nicht (vorhanden: %1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a platform plugin tried, and why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the platform plugins tried</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>DrawFile</name>
    <message>
        <source>an empty line where a draw was expected</source>
        <translation>eine leere Zeile, wo eine Zufallszahl erwartet wurde</translation>
    </message>
    <message>
        <source>%1 is not a decimal number</source>
        <translation>%1 ist keine Dezimalzahl</translation>
    </message>
    <message>
        <source>draw %1 is not a single-precision value with 0 &lt;= r &lt; 1</source>
        <translation>die Zufallszahl %1 ist kein Wert einfacher Genauigkeit mit 0 &lt;= r &lt; 1</translation>
    </message>
    <message>
        <source>the draws could not be read: %1</source>
        <translation>die Zufallszahlen lassen sich nicht lesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 (%2 for the scatter, then one a tick)</source>
        <comment>the draws ran out after %n value; the flight takes %1 (%2 for the scatter, then one a tick)</comment>
        <translation>
            <numerusform>die Zufallszahlen gingen nach %n Wert aus; der Flug braucht %1 (%2 für die Startverteilung, dann eine je Takt)</numerusform>
            <numerusform>die Zufallszahlen gingen nach %n Werten aus; der Flug braucht %1 (%2 für die Startverteilung, dann eine je Takt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 (%2 for each of its %3 scatters, then one a tick)</source>
        <comment>the draws ran out after %n value; the flight takes %1 (%2 for each of its %3 scatters, then one a tick)</comment>
        <translation>
            <numerusform>die Zufallszahlen gingen nach %n Wert aus; der Flug braucht %1 (%2 für jede seiner %3 Startverteilungen, dann eine je Takt)</numerusform>
            <numerusform>die Zufallszahlen gingen nach %n Werten aus; der Flug braucht %1 (%2 für jede seiner %3 Startverteilungen, dann eine je Takt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 for each scatter, then one a tick</source>
        <comment>the draws ran out after %n value; the flight takes %1 for each scatter, then one a tick</comment>
        <translation>
            <numerusform>die Zufallszahlen gingen nach %n Wert aus; der Flug braucht %1 für jede Verteilung, dann eine je Takt</numerusform>
            <numerusform>die Zufallszahlen gingen nach %n Werten aus; der Flug braucht %1 für jede Verteilung, dann eine je Takt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaultReport</name>
    <message>
        <source>The flight went wrong (%1). The Drelk cannot go on and will now close.</source>
        <translation>Beim Flug ist etwas schiefgegangen (%1). The Drelk kann nicht weitermachen und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The Drelk</source>
        <translation>The Drelk</translation>
    </message>
</context>
<context>
    <name>LayerDesktop</name>
    <message>
        <source>this Wayland compositor offers no layer shell (zwlr_layer_shell_v1) to put the hive on its desktop; the window (drelk without --root or --saver) works here</source>
        <translation>dieser Wayland-Compositor bietet keine Layer-Shell (zwlr_layer_shell_v1), um den Bienenstock auf seinen Desktop zu legen; das Fenster (drelk ohne --root und --saver) funktioniert hier</translation>
    </message>
    <message>
        <source>this Wayland compositor lacks wl_compositor 4 or wl_shm</source>
        <translation>diesem Wayland-Compositor fehlt wl_compositor 4 oder wl_shm</translation>
    </message>
    <message>
        <source>there is no output named %1 (%2)</source>
        <translation>es gibt keinen Ausgang namens %1 (%2)</translation>
    </message>
    <message>
        <source>there are none</source>
        <translation>keiner vorhanden</translation>
    </message>
    <message>
        <source>there are: %1</source>
        <translation>vorhanden: %1</translation>
    </message>
    <message>
        <source>%1; for the X display %2, add -platform xcb</source>
        <translation>%1; für das X-Display %2 -platform xcb angeben</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no layer shell (zwlr_layer_shell_v1) to cover its screen; the window (drelk without --root or --saver) works here</source>
        <translation>dieser Wayland-Compositor bietet keine Layer-Shell (zwlr_layer_shell_v1), um seinen Bildschirm zu bedecken; das Fenster (drelk ohne --root und --saver) funktioniert hier</translation>
    </message>
</context>
<context>
    <name>LayerHives</name>
    <message>
        <source>the Wayland compositor has gone: %1</source>
        <translation>der Wayland-Compositor ist nicht mehr da: %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowicon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShmBuffer</name>
    <message>
        <source>no shared memory for the picture: %1 (%2)</source>
        <translation>kein gemeinsamer Speicher für das Bild: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ShowMode</name>
    <message>
        <source>Start in full screen.</source>
        <translation>Im Vollbild starten.</translation>
    </message>
    <message>
        <source>Fill the existing X window &lt;id&gt;, hexadecimal 0x... or decimal (X11 only).</source>
        <translation>Das vorhandene X-Fenster &lt;id&gt; füllen, hexadezimal 0x... oder dezimal (nur X11).</translation>
    </message>
    <message>
        <source>--fullscreen cannot be used with --root or --window-id</source>
        <translation>--fullscreen geht nicht zusammen mit --root oder --window-id</translation>
    </message>
    <message>
        <source>%1 needs an X11 display, and this one is %2</source>
        <translation>%1 braucht ein X11-Display, dieses ist aber %2</translation>
    </message>
    <message>
        <source>the X window 0x%1 that the hive was drawn into has gone</source>
        <translation>das X-Fenster 0x%1, in das der Bienenstock gezeichnet wurde, ist verschwunden</translation>
    </message>
    <message>
        <source>the hive&apos;s X window 0x%1 was destroyed by another program</source>
        <translation>das X-Fenster 0x%1 des Bienenstocks wurde von einem anderen Programm zerstört</translation>
    </message>
    <message>
        <source>Fill the window named by the XSCREENSAVER_WINDOW environment variable, as screensavers do, or else the whole screen beneath all windows (on a Wayland desktop, the background of every output).</source>
        <translation>Das Fenster aus der Umgebungsvariablen XSCREENSAVER_WINDOW füllen, wie Bildschirmschoner es tun, sonst den ganzen Bildschirm unter allen Fenstern (auf einem Wayland-Desktop den Hintergrund jedes Ausgangs).</translation>
    </message>
    <message>
        <source>Cover every screen above all windows, dark, until a key, a button, a touch or the pointer moves; then end with status 0 (for an idle daemon).</source>
        <translation>Jeden Bildschirm dunkel und über allen Fenstern bedecken, bis eine Taste oder Maustaste gedrückt, der Bildschirm berührt oder der Zeiger bewegt wird; dann mit Status 0 beenden (für einen Idle-Daemon).</translation>
    </message>
    <message>
        <source>With --root or --saver on a Wayland desktop: only the output &lt;name&gt;.</source>
        <translation>Mit --root oder --saver auf einem Wayland-Desktop: nur der Ausgang &lt;name&gt;.</translation>
    </message>
    <message>
        <source>--saver cannot be used with --fullscreen or --root</source>
        <translation>--saver geht nicht zusammen mit --fullscreen oder --root</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name, with --root or --saver</source>
        <translation>--output nennt einen Ausgang und geht nur zusammen mit --root oder --saver</translation>
    </message>
    <message>
        <source>--window-id %1 is not an X window id (0x... or decimal)</source>
        <translation>--window-id %1 ist keine X-Fensterkennung (0x... oder dezimal)</translation>
    </message>
    <message>
        <source>XSCREENSAVER_WINDOW is %1, not an X window id (0x... or decimal)</source>
        <translation>XSCREENSAVER_WINDOW ist %1, keine X-Fensterkennung (0x... oder dezimal)</translation>
    </message>
    <message>
        <source>--output names an output of a Wayland desktop; on X11 the hive covers every screen</source>
        <translation>--output nennt einen Ausgang eines Wayland-Desktops; unter X11 bedeckt der Bienenstock jeden Bildschirm</translation>
    </message>
    <message>
        <source>%1 needs an X11 display or a Wayland desktop, and this one is %2</source>
        <translation>%1 braucht ein X11-Display oder einen Wayland-Desktop, dieses ist aber %2</translation>
    </message>
</context>
<context>
    <name>SimOptions</name>
    <message>
        <source>%1: %2 is not a whole number of ticks</source>
        <translation>%1: %2 ist keine ganze Zahl von Takten</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is too large (at most %3)</source>
        <translation>%1: %2 ist zu groß (höchstens %3)</translation>
    </message>
    <message>
        <source>%1: %2 is not a size of the form WIDTHxHEIGHT</source>
        <translation>%1: %2 ist keine Größe der Form BREITExHÖHE</translation>
    </message>
    <message>
        <source>%1: %2 is not a size of the form WIDTHxHEIGHT in whole twips</source>
        <translation>%1: %2 ist keine Größe der Form BREITExHÖHE in ganzen Twips</translation>
    </message>
    <message>
        <source>%1: window side %2 must be from 1 to %3 twips</source>
        <translation>%1: die Fensterseite %2 muss zwischen 1 und %3 Twips liegen</translation>
    </message>
    <message>
        <source>%1: %2 is not of the form TICK:WIDTHxHEIGHT</source>
        <translation>%1: %2 hat nicht die Form TAKT:BREITExHÖHE</translation>
    </message>
    <message>
        <source>--every: &apos;0&apos; is too small (at least 1)</source>
        <translation>--every: &apos;0&apos; ist zu klein (mindestens 1)</translation>
    </message>
    <message>
        <source>--draws: the file name is empty</source>
        <translation>--draws: der Dateiname ist leer</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1: give one of --seed and --draws, once</source>
        <translation>%1: nur eines von --seed und --draws angeben, und nur einmal</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: nimmt keinen Wert</translation>
    </message>
    <message>
        <source>unknown option %1 (see drelk-sim --help)</source>
        <translation>unbekannte Option %1 (siehe drelk-sim --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1: drelk-sim takes only options (see drelk-sim --help)</source>
        <translation>unerwartetes Argument %1: drelk-sim nimmt nur Optionen (siehe drelk-sim --help)</translation>
    </message>
    <message>
        <source>%1: a value is missing: %1 %2 (see drelk-sim --help)</source>
        <translation>%1: ein Wert fehlt: %1 %2 (siehe drelk-sim --help)</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number of seconds</source>
        <translation>%1: %2 ist keine ganze Zahl von Sekunden</translation>
    </message>
    <message>
        <source>--rescatter: %1 is too large (at most %2 seconds)</source>
        <translation>--rescatter: %1 ist zu groß (höchstens %2 Sekunden)</translation>
    </message>
    <message>
        <source>--resize: tick %1 comes after the last tick, %2 (see --ticks)</source>
        <translation>--resize: Takt %1 kommt nach dem letzten Takt, %2 (siehe --ticks)</translation>
    </message>
    <message>
        <source>Usage: drelk-sim [--ticks N] [--window WxH] [--resize T:WxH]... [--every K]
                 [--rescatter SECONDS|auto] [--seed S | --draws FILE]
Runs the Drelk flight without a window and prints its state as CSV: the scatter
(tick 0), then every K-th of N movement ticks, and the last tick always.
  --ticks N         movement ticks after the scatter (default 100)
  --window WxH      the window&apos;s outer size in twips (default 9105x6930)
  --resize T:WxH    from tick T on, the outer size is WxH (repeatable)
  --every K         print every K-th tick (default 1)
  --rescatter SECONDS
                    begin the flight again, as drelk --rescatter does: the
                    queen back at her start and the drones scattered anew,
                    in place of ticks 10 x SECONDS, 20 x SECONDS, ...;
                    0, the default, never
  --rescatter auto  the same, in place of the tick after the drones have been
                    gathered for 5 seconds, and 20 seconds after the last
                    start at the soonest, as drelk does where it is left on
  --seed S          seed the generator with S instead of the clock; a run
                    seeded from the clock tells its seed on standard error
  --draws FILE      take the random draws from FILE (&apos;-&apos;: standard input),
                    one number per line, each 0 &lt;= r &lt; 1 as a float
  -h, --help        print this help and exit
  -v, --version     print the version and exit
An option&apos;s value may also follow an equals sign: --ticks=600.
Exit status: 0 done; 1 the output could not be written; 2 bad input;
3 a fault of the flight rules. Stopped by SIGINT, SIGTERM or SIGHUP, it writes
every row computed until then whole and dies of the signal (a shell shows
128+S: 130, 143, 129).
</source>
        <translation>Aufruf: drelk-sim [--ticks N] [--window WxH] [--resize T:WxH]... [--every K]
                  [--rescatter SEKUNDEN|auto] [--seed S | --draws DATEI]
Lässt den Flug von Drelk ohne Fenster laufen und gibt seinen Zustand als CSV
aus: die Startverteilung (Takt 0), dann jeden K-ten von N Bewegungstakten und
immer den letzten Takt.
  --ticks N         Bewegungstakte nach der Startverteilung (Vorgabe 100)
  --window WxH      die Außenmaße des Fensters in Twips (Vorgabe 9105x6930)
  --resize T:WxH    ab Takt T sind die Außenmaße WxH (wiederholbar)
  --every K         jeden K-ten Takt ausgeben (Vorgabe 1)
  --rescatter SEKUNDEN
                    den Flug neu beginnen, wie drelk --rescatter es tut: die
                    Königin zurück an ihrem Start und die Drohnen neu verteilt,
                    anstelle der Takte 10 x SEKUNDEN, 20 x SEKUNDEN, ...;
                    0, die Vorgabe, heißt nie
  --rescatter auto  ebenso, anstelle des Takts, nachdem die Drohnen 5 Sekunden
                    lang beisammen waren, frühestens 20 Sekunden nach dem
                    letzten Start, wie drelk es tut, wo es laufen gelassen wird
  --seed S          den Zufallsgenerator mit S statt mit der Uhr starten; ein
                    Lauf mit Startwert von der Uhr nennt diesen auf der
                    Standardfehlerausgabe
  --draws DATEI     die Zufallszahlen aus DATEI lesen ('-': Standardeingabe),
                    eine Zahl je Zeile, jede 0 &lt;= r &lt; 1 als float
  -h, --help        diese Hilfe ausgeben und beenden
  -v, --version     die Version ausgeben und beenden
Der Wert einer Option darf auch nach einem Gleichheitszeichen stehen:
--ticks=600.
Exit-Status: 0 fertig; 1 die Ausgabe ließ sich nicht schreiben; 2 fehlerhafte
Eingabe; 3 ein Fehler der Flugregeln. Durch SIGINT, SIGTERM oder SIGHUP
angehalten, schreibt es jede bis dahin berechnete Zeile vollständig und endet
dann durch das Signal selbst (eine Shell zeigt 128+S: 130, 143, 129).
</translation>
    </message>
</context>
<context>
    <name>WaylandConnection</name>
    <message>
        <source>cannot reach the Wayland display %1 (%2)</source>
        <translation>das Wayland-Display %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the Wayland display %1 does not answer (%2)</source>
        <translation>das Wayland-Display %1 antwortet nicht (%2)</translation>
    </message>
    <message>
        <source>the compositor reported protocol error %1 on %2</source>
        <translation>der Compositor meldete den Protokollfehler %1 auf %2</translation>
    </message>
</context>
<context>
    <name>drelk-sim</name>
    <message>
        <source>--draws: cannot read %1: %2</source>
        <translation>--draws: %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>seeded from the clock; --seed %1 repeats this run</source>
        <translation>Startwert von der Uhr; --seed %1 wiederholt diesen Lauf</translation>
    </message>
    <message>
        <source>flight fault: %1</source>
        <translation>Fehler im Flug: %1</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe lässt sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>drelk::window::CommandLine</name>
    <message>
        <source>Widget style, for example Fusion.</source>
        <translation>Widget-Stil, zum Beispiel Fusion.</translation>
    </message>
    <message>
        <source>Style sheet for the widgets.</source>
        <translation>Stylesheet für die Widgets.</translation>
    </message>
    <message>
        <source>At the end, print how many widgets were left undestroyed.</source>
        <translation>Am Ende ausgeben, wie viele Widgets nicht zerstört wurden.</translation>
    </message>
    <message>
        <source>Fly the flight of drelk-sim --seed &lt;S&gt;, S a whole number, instead of a new one each time.</source>
        <translation>Den Flug von drelk-sim --seed &lt;S&gt; fliegen (S eine ganze Zahl) statt jedes Mal einen neuen.</translation>
    </message>
    <message>
        <source>unknown option %1 (see drelk --help)</source>
        <translation>unbekannte Option %1 (siehe drelk --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1: the program takes no arguments (see drelk --help)</source>
        <translation>unerwartetes Argument %1: das Programm nimmt keine Argumente (siehe drelk --help)</translation>
    </message>
    <message>
        <source>--seed %1 is not a whole number from 0 to %2</source>
        <translation>--seed %1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>A small desktop animation. In a window titled &quot;The Drelk&quot; a filled circle, the
queen, flies a jittering course and turns back near the window&apos;s edges, while
ten thick lines, her drones, chase her. Closing the window ends the program. It
takes no arguments, reads no files and keeps no settings.

Keys: F11 full screen on and off, Escape leaves full screen, Space pauses and
resumes, Ctrl+Q quits. As a screensaver (--root, --saver, --window-id) it is
stopped with SIGTERM, of which it dies at once (a shell shows status 143).

Exit status: 0 closed or quit, or --saver ended by the user; 1 a bad command
line or no display; 2 nothing to draw into (--root, --saver, --window-id), or it
went away; 3 a broken rule of the flight.</source>
        <translation>Eine kleine Desktop-Animation. In einem Fenster mit dem Titel „The Drelk“ fliegt
ein gefüllter Kreis, die Königin, einen unsteten Kurs und kehrt nahe den Rändern
des Fensters um, während zehn dicke Linien, ihre Drohnen, sie verfolgen. Das
Schließen des Fensters beendet das Programm. Es nimmt keine Argumente, liest
keine Dateien und speichert keine Einstellungen.

Tasten: F11 schaltet das Vollbild ein und aus, Esc verlässt das Vollbild, die
Leertaste hält an und setzt fort, Strg+Q beendet. Als Bildschirmschoner (--root,
--saver, --window-id) beendet es ein SIGTERM sofort (eine Shell zeigt dann
Status 143).

Exit-Status: 0 geschlossen oder beendet (auch --saver durch den Benutzer);
1 fehlerhafte Befehlszeile oder kein Display; 2 kein Ziel zum Zeichnen (--root,
--saver, --window-id), oder das Ziel ist verschwunden; 3 eine Regel des Flugs
wurde verletzt.</translation>
    </message>
    <message>
        <source>%1 (see drelk --help-all)</source>
        <translation>%1 (siehe drelk --help-all)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>die Standardausgabe lässt sich nicht beschreiben: %1</translation>
    </message>
    <message>
        <source>--seed is given more than once</source>
        <translation>--seed ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--rescatter %1 is not a whole number of seconds from 0 to %2</source>
        <translation>--rescatter %1 ist keine ganze Zahl von Sekunden zwischen 0 und %2</translation>
    </message>
    <message>
        <source>%1 (see drelk --help)</source>
        <translation>%1 (siehe drelk --help)</translation>
    </message>
    <message>
        <source>Every &lt;SECONDS&gt; the flight begins again: the queen back at her start, the drones scattered anew. 0 is never, the default in a window. auto begins it again once the drones have been gathered for 5 seconds, 20 seconds after the last start at the soonest; with --root, --saver and --window-id the default is auto.</source>
        <translation>Alle &lt;SEKUNDEN&gt; beginnt der Flug neu: die Königin zurück an ihrem Start, die Drohnen neu verteilt. 0 heißt nie, die Vorgabe im Fenster. auto beginnt ihn neu, sobald die Drohnen 5 Sekunden lang beisammen waren, frühestens 20 Sekunden nach dem letzten Start; mit --root, --saver und --window-id ist auto die Vorgabe.</translation>
    </message>
    <message>
        <source>SECONDS|auto</source>
        <translation>SEKUNDEN|auto</translation>
    </message>
</context>
<context>
    <name>drelk::window::ForeignWindow</name>
    <message>
        <source>drawing into another window needs an X11 display</source>
        <translation>das Zeichnen in ein anderes Fenster braucht ein X11-Display</translation>
    </message>
    <message>
        <source>there is no X window %1 to draw into</source>
        <translation>es gibt kein X-Fenster %1 zum Hineinzeichnen</translation>
    </message>
</context>
<context>
    <name>drelk::window::Hive</name>
    <message>
        <source>The Drelk</source>
        <translation>The Drelk</translation>
    </message>
</context>
<context>
    <name>drelk::window::HiveKeys</name>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
