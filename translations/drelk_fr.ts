<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DisplayOpening</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>aucun affichage X (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>cannot reach the Wayland display &apos;wayland-0&apos; (WAYLAND_DISPLAY is not set)</source>
        <translation>impossible de joindre l&apos;affichage Wayland &apos;wayland-0&apos; (WAYLAND_DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>il n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>no such platform plugin</source>
        <translation>ce plugin de plateforme n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot open a display: %1</source>
        <translation>impossible d&apos;ouvrir un affichage : %1</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage X %1</translation>
    </message>
    <message>
        <source>cannot reach the Wayland display %1</source>
        <translation>impossible de joindre l&apos;affichage Wayland %1</translation>
    </message>
    <message>
        <source>no such platform plugin (there are: %1)</source>
        <translation>ce plugin de plateforme n&apos;existe pas (disponibles : %1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a platform plugin tried, and why it failed</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the platform plugins tried</comment>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>DrawFile</name>
    <message>
        <source>an empty line where a draw was expected</source>
        <translation>une ligne vide là où un tirage était attendu</translation>
    </message>
    <message>
        <source>%1 is not a decimal number</source>
        <translation>%1 n&apos;est pas un nombre décimal</translation>
    </message>
    <message>
        <source>draw %1 is not a single-precision value with 0 &lt;= r &lt; 1</source>
        <translation>le tirage %1 n&apos;est pas une valeur en simple précision avec 0 &lt;= r &lt; 1</translation>
    </message>
    <message>
        <source>the draws could not be read: %1</source>
        <translation>impossible de lire les tirages : %1</translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 (%2 for the scatter, then one a tick)</source>
        <comment>the draws ran out after %n value; the flight takes %1 (%2 for the scatter, then one a tick)</comment>
        <translation>
            <numerusform>les tirages se sont épuisés après %n valeur ; le vol en demande %1 (%2 pour la répartition de départ, puis un par pas)</numerusform>
            <numerusform>les tirages se sont épuisés après %n valeurs ; le vol en demande %1 (%2 pour la répartition de départ, puis un par pas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 (%2 for each of its %3 scatters, then one a tick)</source>
        <comment>the draws ran out after %n value; the flight takes %1 (%2 for each of its %3 scatters, then one a tick)</comment>
        <translation>
            <numerusform>les tirages se sont épuisés après %n valeur ; le vol en demande %1 (%2 pour chacune de ses %3 répartitions de départ, puis un par pas)</numerusform>
            <numerusform>les tirages se sont épuisés après %n valeurs ; le vol en demande %1 (%2 pour chacune de ses %3 répartitions de départ, puis un par pas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the draws ran out after %n values; the flight takes %1 for each scatter, then one a tick</source>
        <comment>the draws ran out after %n value; the flight takes %1 for each scatter, then one a tick</comment>
        <translation>
            <numerusform>les tirages se sont épuisés après %n valeur ; le vol en demande %1 pour chaque répartition, puis un par pas</numerusform>
            <numerusform>les tirages se sont épuisés après %n valeurs ; le vol en demande %1 pour chaque répartition, puis un par pas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FaultReport</name>
    <message>
        <source>The flight went wrong (%1). The Drelk cannot go on and will now close.</source>
        <translation>Le vol a mal tourné (%1). The Drelk ne peut pas continuer et va maintenant se fermer.</translation>
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
        <translation>ce compositeur Wayland n&apos;offre pas de layer shell (zwlr_layer_shell_v1) pour poser la ruche sur son bureau ; la fenêtre (drelk sans --root ni --saver) fonctionne ici</translation>
    </message>
    <message>
        <source>this Wayland compositor lacks wl_compositor 4 or wl_shm</source>
        <translation>il manque à ce compositeur Wayland wl_compositor 4 ou wl_shm</translation>
    </message>
    <message>
        <source>there is no output named %1 (%2)</source>
        <translation>il n&apos;y a pas de sortie nommée %1 (%2)</translation>
    </message>
    <message>
        <source>there are none</source>
        <translation>il n&apos;y en a aucune</translation>
    </message>
    <message>
        <source>there are: %1</source>
        <translation>disponibles : %1</translation>
    </message>
    <message>
        <source>%1; for the X display %2, add -platform xcb</source>
        <translation>%1 ; pour l&apos;affichage X %2, ajouter -platform xcb</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no layer shell (zwlr_layer_shell_v1) to cover its screen; the window (drelk without --root or --saver) works here</source>
        <translation>ce compositeur Wayland n&apos;offre pas de layer shell (zwlr_layer_shell_v1) pour couvrir son écran ; la fenêtre (drelk sans --root ni --saver) fonctionne ici</translation>
    </message>
</context>
<context>
    <name>LayerHives</name>
    <message>
        <source>the Wayland compositor has gone: %1</source>
        <translation>le compositeur Wayland a disparu : %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l&apos;aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation>Plugin QPA. Voir la documentation de QGuiApplication pour les options de chaque plugin.</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Chemin des plugins de plateforme.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Thème de la plateforme.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation>Plugins supplémentaires à charger ; peut être donné plusieurs fois.</translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation>Géométrie de la fenêtre principale, dans la syntaxe de X11, par exemple 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Icône par défaut des fenêtres.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Titre de la première fenêtre.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation>Orienter la mise en page de l&apos;application en Qt::RightToLeft (aide au débogage).</translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation>Restaurer l&apos;application d&apos;une session antérieure.</translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY.</source>
        <translation>Nom de l&apos;affichage, à la place de $DISPLAY.</translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5.</source>
        <translation>Nom d&apos;instance selon ICCCM 4.1.2.5.</translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers).</source>
        <translation>Désactiver la capture de la souris (utile dans un débogueur).</translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger).</source>
        <translation>Forcer la capture de la souris (même dans un débogueur).</translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use.</source>
        <translation>Identifiant du visuel X11 à utiliser.</translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry.</source>
        <translation>Alias de --qwindowgeometry.</translation>
    </message>
    <message>
        <source>Alias for --qwindowicon.</source>
        <translation>Alias de --qwindowicon.</translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle.</source>
        <translation>Alias de --qwindowtitle.</translation>
    </message>
</context>
<context>
    <name>ShmBuffer</name>
    <message>
        <source>no shared memory for the picture: %1 (%2)</source>
        <translation>pas de mémoire partagée pour l&apos;image : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ShowMode</name>
    <message>
        <source>Start in full screen.</source>
        <translation>Démarrer en plein écran.</translation>
    </message>
    <message>
        <source>Fill the existing X window &lt;id&gt;, hexadecimal 0x... or decimal (X11 only).</source>
        <translation>Remplir la fenêtre X existante &lt;id&gt;, en hexadécimal 0x... ou en décimal (X11 seulement).</translation>
    </message>
    <message>
        <source>--fullscreen cannot be used with --root or --window-id</source>
        <translation>--fullscreen ne s&apos;utilise pas avec --root ni --window-id</translation>
    </message>
    <message>
        <source>%1 needs an X11 display, and this one is %2</source>
        <translation>%1 demande un affichage X11, or celui-ci est %2</translation>
    </message>
    <message>
        <source>the X window 0x%1 that the hive was drawn into has gone</source>
        <translation>la fenêtre X 0x%1 où la ruche était dessinée a disparu</translation>
    </message>
    <message>
        <source>the hive&apos;s X window 0x%1 was destroyed by another program</source>
        <translation>la fenêtre X 0x%1 de la ruche a été détruite par un autre programme</translation>
    </message>
    <message>
        <source>Fill the window named by the XSCREENSAVER_WINDOW environment variable, as screensavers do, or else the whole screen beneath all windows (on a Wayland desktop, the background of every output).</source>
        <translation>Remplir la fenêtre désignée par la variable d&apos;environnement XSCREENSAVER_WINDOW, comme le font les économiseurs d&apos;écran, ou à défaut tout l&apos;écran sous toutes les fenêtres (sur un bureau Wayland, le fond de chaque sortie).</translation>
    </message>
    <message>
        <source>Cover every screen above all windows, dark, until a key, a button, a touch or the pointer moves; then end with status 0 (for an idle daemon).</source>
        <translation>Couvrir chaque écran, en sombre et au-dessus de toutes les fenêtres, jusqu&apos;à ce qu&apos;une touche ou un bouton soit enfoncé, l&apos;écran touché ou le pointeur déplacé ; puis quitter avec le statut 0 (pour un démon d&apos;inactivité).</translation>
    </message>
    <message>
        <source>With --root or --saver on a Wayland desktop: only the output &lt;name&gt;.</source>
        <translation>Avec --root ou --saver sur un bureau Wayland : seulement la sortie &lt;name&gt;.</translation>
    </message>
    <message>
        <source>--saver cannot be used with --fullscreen or --root</source>
        <translation>--saver ne s&apos;utilise pas avec --fullscreen ni --root</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name, with --root or --saver</source>
        <translation>--output prend le nom d&apos;une sortie, avec --root ou --saver</translation>
    </message>
    <message>
        <source>--window-id %1 is not an X window id (0x... or decimal)</source>
        <translation>--window-id %1 n&apos;est pas un identifiant de fenêtre X (0x... ou décimal)</translation>
    </message>
    <message>
        <source>XSCREENSAVER_WINDOW is %1, not an X window id (0x... or decimal)</source>
        <translation>XSCREENSAVER_WINDOW vaut %1, qui n&apos;est pas un identifiant de fenêtre X (0x... ou décimal)</translation>
    </message>
    <message>
        <source>--output names an output of a Wayland desktop; on X11 the hive covers every screen</source>
        <translation>--output désigne une sortie d&apos;un bureau Wayland ; sous X11, la ruche couvre tous les écrans</translation>
    </message>
    <message>
        <source>%1 needs an X11 display or a Wayland desktop, and this one is %2</source>
        <translation>%1 demande un affichage X11 ou un bureau Wayland, or celui-ci est %2</translation>
    </message>
</context>
<context>
    <name>SimOptions</name>
    <message>
        <source>%1: %2 is not a whole number of ticks</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier de pas</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1: %2 is too large (at most %3)</source>
        <translation>%1 : %2 est trop grand (au plus %3)</translation>
    </message>
    <message>
        <source>%1: %2 is not a size of the form WIDTHxHEIGHT</source>
        <translation>%1 : %2 n&apos;est pas une taille de la forme LARGEURxHAUTEUR</translation>
    </message>
    <message>
        <source>%1: %2 is not a size of the form WIDTHxHEIGHT in whole twips</source>
        <translation>%1 : %2 n&apos;est pas une taille de la forme LARGEURxHAUTEUR en twips entiers</translation>
    </message>
    <message>
        <source>%1: window side %2 must be from 1 to %3 twips</source>
        <translation>%1 : le côté de fenêtre %2 doit aller de 1 à %3 twips</translation>
    </message>
    <message>
        <source>%1: %2 is not of the form TICK:WIDTHxHEIGHT</source>
        <translation>%1 : %2 n&apos;est pas de la forme PAS:LARGEURxHAUTEUR</translation>
    </message>
    <message>
        <source>--every: &apos;0&apos; is too small (at least 1)</source>
        <translation>--every : &apos;0&apos; est trop petit (au moins 1)</translation>
    </message>
    <message>
        <source>--draws: the file name is empty</source>
        <translation>--draws : le nom de fichier est vide</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1 : donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>%1: give one of --seed and --draws, once</source>
        <translation>%1 : donnez soit --seed, soit --draws, une seule fois</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1 : ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown option %1 (see drelk-sim --help)</source>
        <translation>option inconnue %1 (voir drelk-sim --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1: drelk-sim takes only options (see drelk-sim --help)</source>
        <translation>argument inattendu %1 : drelk-sim ne prend que des options (voir drelk-sim --help)</translation>
    </message>
    <message>
        <source>%1: a value is missing: %1 %2 (see drelk-sim --help)</source>
        <translation>%1 : il manque une valeur : %1 %2 (voir drelk-sim --help)</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number of seconds</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier de secondes</translation>
    </message>
    <message>
        <source>--rescatter: %1 is too large (at most %2 seconds)</source>
        <translation>--rescatter : %1 est trop grand (au plus %2 secondes)</translation>
    </message>
    <message>
        <source>--resize: tick %1 comes after the last tick, %2 (see --ticks)</source>
        <translation>--resize : le pas %1 vient après le dernier pas, %2 (voir --ticks)</translation>
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
        <translation>Usage : drelk-sim [--ticks N] [--window WxH] [--resize T:WxH]... [--every K]
                  [--rescatter SECONDES|auto] [--seed S | --draws FICHIER]
Exécute le vol de Drelk sans fenêtre et en écrit l'état en CSV : la répartition
de départ (pas 0), puis un pas sur K des N pas de mouvement, et toujours le
dernier pas.
  --ticks N         pas de mouvement après la répartition (100 par défaut)
  --window WxH      taille extérieure de la fenêtre en twips (9105x6930 par
                    défaut)
  --resize T:WxH    à partir du pas T, la taille extérieure est WxH (répétable)
  --every K         écrire un pas sur K (1 par défaut)
  --rescatter SECONDES
                    recommencer le vol, comme le fait drelk --rescatter : la
                    reine revient à son départ et les faux-bourdons sont
                    répartis à nouveau, à la place des pas 10 x SECONDES,
                    20 x SECONDES, ... ; 0, la valeur par défaut, jamais
  --rescatter auto  de même, à la place du pas qui suit 5 secondes où les
                    faux-bourdons sont rassemblés, et au plus tôt 20 secondes
                    après le dernier départ, comme drelk là où on le laisse
                    tourner
  --seed S          initialiser le générateur avec S au lieu de l'horloge ; une
                    exécution initialisée par l'horloge donne sa graine sur la
                    sortie d'erreur standard
  --draws FICHIER   lire les tirages aléatoires dans FICHIER ('-' : entrée
                    standard), un nombre par ligne, chacun 0 &lt;= r &lt; 1 en float
  -h, --help        afficher cette aide et quitter
  -v, --version     afficher la version et quitter
La valeur d'une option peut aussi suivre un signe égal : --ticks=600.
Code de sortie : 0 terminé ; 1 la sortie n'a pas pu être écrite ; 2 entrée
invalide ; 3 une erreur des règles du vol. Arrêté par SIGINT, SIGTERM ou SIGHUP,
il écrit en entier chaque ligne calculée jusque-là, puis meurt du signal (un
shell affiche 128+S : 130, 143, 129).
</translation>
    </message>
</context>
<context>
    <name>WaylandConnection</name>
    <message>
        <source>cannot reach the Wayland display %1 (%2)</source>
        <translation>impossible de joindre l&apos;affichage Wayland %1 (%2)</translation>
    </message>
    <message>
        <source>the Wayland display %1 does not answer (%2)</source>
        <translation>l&apos;affichage Wayland %1 ne répond pas (%2)</translation>
    </message>
    <message>
        <source>the compositor reported protocol error %1 on %2</source>
        <translation>le compositeur a signalé l&apos;erreur de protocole %1 sur %2</translation>
    </message>
</context>
<context>
    <name>drelk-sim</name>
    <message>
        <source>--draws: cannot read %1: %2</source>
        <translation>--draws : impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>seeded from the clock; --seed %1 repeats this run</source>
        <translation>graine tirée de l&apos;horloge ; --seed %1 refait cette exécution</translation>
    </message>
    <message>
        <source>flight fault: %1</source>
        <translation>erreur du vol : %1</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d&apos;écrire la sortie : %1</translation>
    </message>
</context>
<context>
    <name>drelk::window::CommandLine</name>
    <message>
        <source>Widget style, for example Fusion.</source>
        <translation>Style des widgets, par exemple Fusion.</translation>
    </message>
    <message>
        <source>Style sheet for the widgets.</source>
        <translation>Feuille de style des widgets.</translation>
    </message>
    <message>
        <source>At the end, print how many widgets were left undestroyed.</source>
        <translation>À la fin, afficher combien de widgets n&apos;ont pas été détruits.</translation>
    </message>
    <message>
        <source>Fly the flight of drelk-sim --seed &lt;S&gt;, S a whole number, instead of a new one each time.</source>
        <translation>Refaire le vol de drelk-sim --seed &lt;S&gt; (S un nombre entier) au lieu d&apos;un vol nouveau à chaque fois.</translation>
    </message>
    <message>
        <source>unknown option %1 (see drelk --help)</source>
        <translation>option inconnue %1 (voir drelk --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1: the program takes no arguments (see drelk --help)</source>
        <translation>argument inattendu %1 : le programme ne prend aucun argument (voir drelk --help)</translation>
    </message>
    <message>
        <source>--seed %1 is not a whole number from 0 to %2</source>
        <translation>--seed %1 n&apos;est pas un nombre entier de 0 à %2</translation>
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
        <translation>Une petite animation de bureau. Dans une fenêtre intitulée « The Drelk », un
cercle plein, la reine, suit un vol saccadé et fait demi-tour près des bords de
la fenêtre, tandis que dix traits épais, ses faux-bourdons, la poursuivent.
Fermer la fenêtre met fin au programme. Il ne prend aucun argument, ne lit aucun
fichier et ne garde aucun réglage.

Touches : F11 active et quitte le plein écran, Échap quitte le plein écran,
Espace met en pause et reprend, Ctrl+Q quitte. En économiseur d&apos;écran (--root,
--saver, --window-id), il est arrêté par SIGTERM, qui le termine aussitôt (un
shell affiche le statut 143).

Code de sortie : 0 fermé ou quitté, ou --saver interrompu par l&apos;utilisateur ;
1 ligne de commande incorrecte ou pas d&apos;affichage ; 2 pas de fenêtre ni de
surface où dessiner (--root, --saver, --window-id), ou elle a disparu ; 3 une
règle du vol a été enfreinte.</translation>
    </message>
    <message>
        <source>%1 (see drelk --help-all)</source>
        <translation>%1 (voir drelk --help-all)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>--seed is given more than once</source>
        <translation>--seed est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--rescatter %1 is not a whole number of seconds from 0 to %2</source>
        <translation>--rescatter %1 n&apos;est pas un nombre entier de secondes de 0 à %2</translation>
    </message>
    <message>
        <source>%1 (see drelk --help)</source>
        <translation>%1 (voir drelk --help)</translation>
    </message>
    <message>
        <source>Every &lt;SECONDS&gt; the flight begins again: the queen back at her start, the drones scattered anew. 0 is never, the default in a window. auto begins it again once the drones have been gathered for 5 seconds, 20 seconds after the last start at the soonest; with --root, --saver and --window-id the default is auto.</source>
        <translation>Toutes les &lt;SECONDES&gt;, le vol recommence : la reine revient à son départ, les faux-bourdons sont répartis à nouveau. 0 signifie jamais, la valeur par défaut dans une fenêtre. auto le recommence une fois les faux-bourdons rassemblés depuis 5 secondes, au plus tôt 20 secondes après le dernier départ ; avec --root, --saver et --window-id, auto est la valeur par défaut.</translation>
    </message>
    <message>
        <source>SECONDS|auto</source>
        <translation>SECONDES|auto</translation>
    </message>
</context>
<context>
    <name>drelk::window::ForeignWindow</name>
    <message>
        <source>drawing into another window needs an X11 display</source>
        <translation>dessiner dans une autre fenêtre demande un affichage X11</translation>
    </message>
    <message>
        <source>there is no X window %1 to draw into</source>
        <translation>il n&apos;y a pas de fenêtre X %1 où dessiner</translation>
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
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
