<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation>Copyright (C) Les auteurs de Tonalith.</translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation>Codecs&#xa0;: FFmpeg, LAME, libvorbis, libsndfile, spandsp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Initialize Error! Please reinstall Tonalith!</source>
        <translation>Erreur d’initialisation&#xa0;! Veuillez réinstaller Tonalith&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation>Créées, mais incomplètes&#xa0;:</translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation>La conversion est terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation>
            <numerusform>Sorties créées&#xa0;: %1 sur %n. Non créées&#xa0;:</numerusform>
            <numerusform>Sorties créées&#xa0;: %1 sur %n. Non créées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation>La conversion a été annulée. Ces fichiers ont été conservés tels quels et leurs sorties partielles abandonnées&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation>Impossible de lire l’image «&#xa0;%1&#xa0;» à partir de l’échantillon %2.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation>Impossible d’ouvrir l’image «&#xa0;%1&#xa0;» (erreur %2).</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne contient aucun son.</translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation>Le mesureur de volume sonore ne peut pas mesurer %1&#xa0;Hz sur %2 canaux.</translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation>Le mesureur de volume sonore ne peut pas compter deux fois un canal mono.</translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation>Le mesureur de volume sonore a refusé un bloc de la source.</translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation>Impossible de mesurer le volume sonore de la source.</translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation>Impossible de mesurer la crête réelle de la source.</translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation>Impossible de mesurer le volume sonore de l’album.</translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation>hors du dossier dont l’arborescence est conservée</translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation>aucun nom libre à côté de %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 existe</translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation>%1 était incomplet (%2) et a été refait</translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation>annulé&#xa0;; l’ancien fichier %1 a été conservé et la sortie partielle abandonnée</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation>impossible de mesurer le volume sonore (%1)</translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation>impossible de préparer l’écriture pour %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation>impossible d’ouvrir la source</translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation>la sortie a échoué à la vérification et a été abandonnée</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>échec de la conversion</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: aucun nom temporaire libre à côté.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l’une des valeurs %1</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ou 1</translation>
    </message>
    <message>
        <source>empty or </source>
        <translation>vide ou </translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation>keep, 2 ou 1</translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation>vide, keep, 2 ou 1</translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation>des noms de format comme «&#xa0;mp3 flac&#xa0;» («&#xa0;%1&#xa0;» n’en est pas un)</translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation>un modèle de nom (%1)</translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation>replace, new ou skip</translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation>vide ou un volume sonore de -70 à -5&#xa0;LUFS</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation>Le profil «&#xa0;%1&#xa0;» est endommagé&#xa0;: %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier de profil «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation>il fait %1 octets, bien plus qu’un profil</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire le fichier de profil «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>ce n’est pas du texte</translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation>Le profil ne peut pas conserver «&#xa0;%1&#xa0;»&#xa0;: il contient un saut de ligne.</translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation>Aucun profil ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation>Impossible de créer le dossier des profils «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation>Impossible de supprimer le profil «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un profil&#xa0;: </translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation>le nom est vide.</translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation>un nom compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation>un nom ne commence ni ne finit par une espace.</translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation>un nom ne commence pas par un point.</translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation>un nom ne contient ni séparateur de dossier ni caractère de contrôle.</translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation>il n’a pas de section [profile] avec sa version</translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation>%1/%2 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation>%1/%2 vaut «&#xa0;%3&#xa0;» alors qu’il attend %4</translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire le profil dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation>%1  Vérification %2&#xa0;%</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, encore %1</translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation>Le fichier audio n’est pas valide ou son format n’est pas pris en charge&#xa0;!!</translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation>Erreur de conversion</translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation>Le fichier vidéo n’est pas valide ou son format n’est pas pris en charge&#xa0;!!</translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation>Erreur d’extraction</translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation>Chaque nom de sortie désigne la source elle-même.</translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation>Impossible de créer le fichier de sortie (erreur %1).</translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation>Aucun son n’a pu être décodé depuis «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation>ses étiquettes n’ont pas pu être copiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation>Veuillez ajouter des fichiers audio et les cocher&#xa0;!</translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation>«&#xa0;Égaliser le volume sonore&#xa0;» (Préférences) et un changement de volume ne peuvent pas aller ensemble. Réglez le volume sur «&#xa0;Inchangé&#xa0;» ou désactivez «&#xa0;Égaliser le volume sonore&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation>«&#xa0;Écrire les étiquettes ReplayGain&#xa0;» (Préférences) et un changement de volume ne peuvent pas aller ensemble. Réglez le volume sur «&#xa0;Inchangé&#xa0;» ou désactivez «&#xa0;Écrire les étiquettes ReplayGain&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation>«&#xa0;Écrire les étiquettes ReplayGain&#xa0;» et «&#xa0;Égaliser le volume sonore&#xa0;» (Préférences) ne peuvent pas aller ensemble&#xa0;: l’un conserve les échantillons et les étiquette, l’autre les modifie. Désactivez l’un des deux.</translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation>Une arborescence reproduite nécessite un dossier de sortie. Veuillez en choisir un.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Impossible d’écrire les étiquettes dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror.</source>
        <translation>Veuillez choisir le dossier à reproduire.</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror it into.</source>
        <translation>Veuillez choisir le dossier où le reproduire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full folder path.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un chemin de dossier complet.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder cannot be mirrored into itself.</source>
        <translation>Un dossier ne peut pas être reproduit dans lui-même.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; lies inside the folder it mirrors.</source>
        <translation>La destination «&#xa0;%1&#xa0;» se trouve dans le dossier qu’elle reproduit.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies inside its destination.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» se trouve dans sa destination.</translation>
    </message>
    <message>
        <source>Mirroring was stopped.</source>
        <translation>La reproduction a été interrompue.</translation>
    </message>
    <message>
        <source>Mirroring is finished.</source>
        <translation>La reproduction est terminée.</translation>
    </message>
    <message>
        <source>Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.</source>
        <translation>Convertis&#xa0;: %1, copiés&#xa0;: %2, inchangés&#xa0;: %3, supprimés&#xa0;: %4, échecs&#xa0;: %5.</translation>
    </message>
    <message>
        <source>The list of mirrored files in &quot;%1&quot; cannot be written: the next mirror makes every file again.</source>
        <translation>Impossible d’écrire la liste des fichiers reproduits dans «&#xa0;%1&#xa0;»&#xa0;: la prochaine reproduction recréera tous les fichiers.</translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation>Ces encodeurs manquent dans les bibliothèques installées&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Impossible d’écrire les étiquettes dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation>La version de balise %1 n’existe pas&#xa0;; utilisez 1 (ID3v1) ou 2 (ID3v2).</translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation>Nom de propriété inconnu&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation>Impossible d’écrire les étiquettes de volume sonore dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation>La ligne de commande MP3 donne à l’option %1 une valeur incorrecte&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation>La ligne de commande MP3 cite un préréglage inconnu de LAME&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation>La ligne de commande MP3 contient une option inconnue de LAME&#xa0;: %1</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation>La ligne de commande MP3 ne donne aucune valeur à l’option %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation>L’encodeur MP3 n’a pas de réglage %1.</translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation>MP3&#xa0;: %1 ne peut pas valoir %2 (permis&#xa0;: %3 à %4).</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Impossible de démarrer l’encodeur MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation>L’encodeur MP3 a refusé ces réglages.</translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation>Il n’existe pas de préréglage MP3 %1 (1 à 11).</translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation>Il n’existe pas de préréglage MP3 alternatif %1 (1 à 5).</translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation>Le lecteur ne peut pas lire %1&#xa0;Hz sur %2 canaux.</translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation>Un bloc doit contenir au moins une trame, pas %1.</translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation>une lecture muette a été demandée</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’est pas dans un format audio connu (%2).</translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation>Mémoire insuffisante à l’ouverture du fichier.</translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation>sa disposition des canaux est illisible</translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation>Ce FFmpeg n’a pas de démultiplexeur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé&#xa0;: ses flux sont illisibles.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas de piste audio.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation>Le son de «&#xa0;%1&#xa0;» est dans un format impossible à décoder (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation>le son ne peut pas être décodé</translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation>aucun son qu’il contient ne peut être décodé</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» indique un format impossible (%2&#xa0;Hz, %3 canaux).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé&#xa0;: il ne contient aucun son décodable.</translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation>Le décodeur G.726 ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation>Impossible de décoder le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» indique un format impossible.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est tronqué.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a un en-tête endommagé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» contient du son G.72x sur %2 canaux&#xa0;; seul le mono est lu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé&#xa0;: son bloc de format («&#xa0;fmt &#xa0;») annonce %2 octets, plus que le fichier n’en contient (%3 octets).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier audio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire (tube, socket ou périphérique).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’est pas dans un format audio ou vidéo connu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’est pas dans un format audio connu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;» comme un seul flux Ogg Vorbis&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation>Aucun fichier DSP WAV n’est ouvert en écriture.</translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation>Le fichier DSP WAV «&#xa0;%1&#xa0;» dépasserait la longueur maximale du format.</translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation>Aucun fichier de sortie n’est ouvert en écriture</translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation>Entrée non prise en charge&#xa0;: %1&#xa0;Hz, %2 canaux</translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier exemple «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation>Le fichier exemple «&#xa0;%1&#xa0;» n’est pas un fichier PCM WAV</translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation>La sortie RAW s’écrit uniquement en échantillons 16 bits signés (type %1, %2 bits demandés)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>échec de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation>Échec de la conversion des échantillons&#xa0;: %1</translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation>Description d’entrée non valide&#xa0;: %1&#xa0;Hz, %2 canaux</translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation>Un bloc de %1 valeurs ne contient pas des trames entières de %2 canaux</translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation>Échec du tramage&#xa0;: %1</translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation>réglage refusé (%1)</translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation>Ce format de sortie n’a pas de module d’écriture</translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation>Glissez ici des fichiers audio depuis un dossier</translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation>Ajout des fichiers&#xa0;: %v sur %m</translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation>Ajout des fichiers</translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation>Liste de conversion</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Choisissez un dossier de sortie</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Conversion is finished</source>
        <translation>La conversion est terminée</translation>
    </message>
    <message>
        <source>Conversion is finished, some outputs were not made</source>
        <translation>La conversion est terminée, certaines sorties n’ont pas été créées</translation>
    </message>
    <message>
        <source>1 output made</source>
        <translation>1 sortie créée</translation>
    </message>
    <message numerus="yes">
        <source>%n outputs made</source>
        <translation>
            <numerusform>%n sortie créée</numerusform>
            <numerusform>%n sorties créées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 not made.</source>
        <translation>%1, non créées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Contenu&#xa0;:</translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation>Taille des fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the number of files and the number of folders a folder holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <source>Output Format   </source>
        <translation>Format de sortie   </translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation>Formats courants</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>Autres formats</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC, ALAC, AAC et Opus</translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>Canaux&#xa0;: conserver (jusqu’à 7.1), stéréo ou mono</translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation>Ajuster le volume</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Change As</source>
        <translation>Changer à</translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation>Bits G.723</translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation>Bits G.726</translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation>Niveau FLAC</translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation>Débit binaire AAC</translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation>Débit binaire Opus</translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation>Contenu Opus</translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation>Canaux FLAC</translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation>Canaux ALAC</translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation>Canaux AAC</translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation>Canaux Opus</translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation>Régler le format %1</translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation>Changer à %</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Débit nominal actuel&#xa0;: %1&#xa0;kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Débit min. actuel&#xa0;: %1&#xa0;kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Débit max. actuel&#xa0;: %1&#xa0;kbit</translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 bits</translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 bits</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 bits</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stéréo conjointe</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Stéréo conjointe forcée</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Double canal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancien</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>only</source>
        <translation>ATH seul</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>seulement pour les blocs courts</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 microsecondes</translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation>Format incorrect</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Débit actuel&#xa0;: %1&#xa0;kbit</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation>%1 n’est pas un fichier CUE utilisable&#xa0;: il ne liste aucune piste.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE ne nomme aucun fichier.</translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation>un fichier CUE intégré à un fichier ne peut décrire que ce fichier, mais celui-ci en nomme un second.</translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation>TRACK précède toute ligne FILE.</translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de piste (1 à 99).</translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation>un fichier CUE contient au plus 99 pistes.</translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée (minutes:secondes:trames).</translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation>INDEX précède toute ligne TRACK.</translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un index (un numéro et une durée).</translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation>INDEX 00 n’est pas à sa place dans la piste %1.</translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation>L’INDEX 00 de la piste %1 se situe avant le début de la piste précédente.</translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation>la piste %1 a deux fois INDEX 01.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation>L’INDEX 01 de la piste %1 se situe avant son INDEX 00.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation>L’INDEX 01 de la piste %1 ne suit pas le début de la piste précédente.</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation>L’INDEX %1 de la piste %2 précède son INDEX 01.</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation>la piste %1 n’a pas d’INDEX 01 (vérifié jusqu’à la ligne %2).</translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation>%1, ligne %2&#xa0;: impossible de lire l’image «&#xa0;%3&#xa0;», et aucun fichier audio lisible de ce nom n’est à côté du fichier CUE.</translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation>%1 n’est pas un fichier CUE&#xa0;: il fait %2 octets.</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation>Le fichier CUE intégré à %1 fait %2 octets&#xa0;; ce ne peut pas en être un.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation>Le fichier CUE intégré à %1 ne donne pas de début à la piste %2 (INDEX 01).</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation>Le fichier CUE intégré à %1 fait commencer la piste %2 avant la fin de la piste précédente.</translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation>Mémoire insuffisante à la lecture de %1.</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation>(Vidéo) </translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation>(Audio) </translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation>%1&#xa0;: impossible de lire l’image «&#xa0;%2&#xa0;», ses pistes ne sont donc pas listées.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation>Panneau de contrôle</translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Éditeur d’infos audio</translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation>Options du format de sortie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;ction</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire de l’aide</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Assistance par courriel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation>Infos du fichier audio</translation>
    </message>
    <message>
        <source>Mirror a Folder…</source>
        <translation>Reproduire un dossier…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation>Format audio non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation>Format vidéo non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Veuillez choisir le format de sortie&#xa0;!</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Choisissez un dossier de sortie</translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation>Fichier source introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation>Impossible d’ouvrir la source (erreur %1).</translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation>La source indique %1&#xa0;Hz et %2 canaux.</translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation>La conversion a échoué.</translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation>Total %1&#xa0;%</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»&#xa0;: accès refusé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne contient aucun son.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a %2 pistes audio&#xa0;; il n’y a pas de piste audio %3.</translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation>le volume sonore est mesuré sur la piste audio lue par défaut, pas sur celle choisie</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé&#xa0;; ses étiquettes ne peuvent pas être écrites.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation>impossible de créer un encodeur</translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation>Nom de dossier de sortie non valide&#xa0;!</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s’est produite.</translation>
    </message>
    <message>
        <source>Total %1%, paused</source>
        <translation>Total %1&#xa0;%, en pause</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and exit?</source>
        <translation>Une conversion est en cours. L’annuler et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being converted. Its tags can be edited once its outputs are done.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours de conversion. Ses étiquettes pourront être modifiées une fois ses sorties terminées.</translation>
    </message>
    <message>
        <source>Every checked file is in the running conversion already. Check the files to add to it.</source>
        <translation>Tous les fichiers cochés font déjà partie de la conversion en cours. Cochez les fichiers à y ajouter.</translation>
    </message>
    <message>
        <source>The running conversion is ending. Press Convert again once it has finished.</source>
        <translation>La conversion en cours se termine. Cliquez de nouveau sur «&#xa0;Convertir&#xa0;» une fois qu’elle est finie.</translation>
    </message>
    <message>
        <source>A conversion is running. Mirror the folder once it has finished.</source>
        <translation>Une conversion est en cours. Reproduisez le dossier une fois qu’elle est terminée.</translation>
    </message>
</context>
<context>
    <name>MirrorDialog</name>
    <message>
        <source>Mirror a Folder</source>
        <translation>Reproduire un dossier</translation>
    </message>
    <message>
        <source>&amp;Source folder:</source>
        <translation>Dossier &amp;source&#xa0;:</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Browse for the source folder</source>
        <translation>Choisir le dossier source</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>Dossier de &amp;destination&#xa0;:</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>Parco&amp;urir…</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>P&amp;rofil&#xa0;:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Lossy sources:</source>
        <translation>Sources a&amp;vec pertes&#xa0;:</translation>
    </message>
    <message>
        <source>Lossy sources</source>
        <translation>Sources avec pertes</translation>
    </message>
    <message>
        <source>Copy them as they are</source>
        <translation>Les copier telles quelles</translation>
    </message>
    <message>
        <source>Convert them</source>
        <translation>Les convertir</translation>
    </message>
    <message>
        <source>S&amp;ide files:</source>
        <translation>Fichiers &amp;annexes&#xa0;:</translation>
    </message>
    <message>
        <source>Side files</source>
        <translation>Fichiers annexes</translation>
    </message>
    <message>
        <source>File name patterns copied beside the outputs, separated by blanks; &quot;none&quot; copies none</source>
        <translation>Motifs de noms de fichiers copiés à côté des sorties, séparés par des espaces&#xa0;; «&#xa0;none&#xa0;» n’en copie aucun</translation>
    </message>
    <message>
        <source>&amp;Names:</source>
        <translation>&amp;Noms&#xa0;:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>As they are (Linux and macOS disks)</source>
        <translation>Tels quels (disques Linux et macOS)</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards</source>
        <translation>Valides sur les cartes FAT et exFAT</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards, ASCII letters only</source>
        <translation>Valides sur les cartes FAT et exFAT, lettres ASCII uniquement</translation>
    </message>
    <message>
        <source>&amp;Jobs:</source>
        <translation>&amp;Tâches&#xa0;:</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>How many outputs are converted at once</source>
        <translation>Nombre de sorties converties à la fois</translation>
    </message>
    <message>
        <source>P&amp;rune outputs whose source is gone</source>
        <translation>Supprimer &amp;les sorties dont la source a disparu</translation>
    </message>
    <message>
        <source>&amp;Keep each source&apos;s modification time</source>
        <translation>&amp;Conserver la date de modification de chaque source</translation>
    </message>
    <message>
        <source>(none: the current settings)</source>
        <translation>(aucun&#xa0;: les réglages actuels)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select the folder to mirror</source>
        <translation>Choisissez le dossier à reproduire</translation>
    </message>
    <message>
        <source>Select the folder to mirror into</source>
        <translation>Choisissez le dossier où le reproduire</translation>
    </message>
    <message>
        <source>Prune outputs whose source is gone</source>
        <translation>Supprimer les sorties dont la source a disparu</translation>
    </message>
    <message>
        <source>Keep each source&apos;s modification time</source>
        <translation>Conserver la date de modification de chaque source</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation>Réglage du format MP3</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Qualité de l’encodeur</translation>
    </message>
    <message>
        <source>better</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrage</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-haut (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-haut (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-bas (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-bas (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Méthode d’encodage&#xa0;:</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>Qualité VBR&#xa0;:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Débit cible pour ABR&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Débit VBR maximal</translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation>Débit actuel&#xa0;: 128 kbit</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Écrire l’en-tête VBR</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Imposer strictement le débit minimal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>inclure les sommes de contrôle CRC</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>respecter autant que possible la norme ISO MPEG</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>autoriser des types de blocs différents par canal</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>blocs courts</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>réservoir de bits</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Contrôle ATH&#xa0;:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Désaccentuation&#xa0;:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation>Préréglage alternatif</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Ligne de commande</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation>Réglage du format OGG</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activé</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualité activée</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation>Débit min.</translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation>Débit max.</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualité (compression)</translation>
    </message>
    <message>
        <source>better</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation>Dossier de sortie par défaut</translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation>Si aucun dossier de sortie n’est indiqué, les fichiers convertis sont placés dans le dossier source.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation>Cocher automatiquement les fichiers ajoutés</translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation>Ouvrir le dossier de sortie après la conversion</translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation>Copier automatiquement les infos audio</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Traitement par lots</translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation>Convertir jusqu’à N fichiers à la fois</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Égaliser le volume sonore</translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation>Vérifier chaque sortie après l’écriture</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Écrire les étiquettes ReplayGain</translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation>Inclure la piste cachée avant la piste 1 d’une image CD</translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation>Le son placé avant la première piste d’une image CD devient une piste à part, numérotée 0</translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation>Si un fichier de sortie existe</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Le remplacer</translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation>Enregistrer sous un nouveau nom</translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation>Ignorer la sortie</translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation>Langues de la piste audio</translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation>Pour un fichier à plusieurs pistes audio, convertir celle dans la première de ces langues présente, sinon celle lue par défaut</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation>Enregistrer l’état de la dernière opération</translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation>Cette option enregistre l’état de la dernière opération (dossier courant, format de sortie choisi…).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation>Une nouvelle langue s’affiche au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation>Choisissez un dossier de sortie par défaut</translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation>Langues de la piste audio&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Notify the desktop when a long conversion ends</source>
        <translation>Avertir sur le bureau à la fin d’une longue conversion</translation>
    </message>
    <message>
        <source>After a batch of more than a few seconds the desktop shows how many outputs were made, with a button that opens the output folder</source>
        <translation>Après un traitement par lots de plus de quelques secondes, le bureau indique combien de sorties ont été créées, avec un bouton qui ouvre le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation>Impossible de lire les fichiers vidéo&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation>Lecture   </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Les profils enregistrés&#xa0;; en choisir un règle les contrôles qu’il couvre</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation>Enregistrer les réglages actuels comme profil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation>Supprimer le profil choisi</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation>(réglages actuels)</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation>Le profil «&#xa0;%1&#xa0;» contient des réglages que cette version ne connaît pas&#xa0;; ils ont été ignorés&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation>La fenêtre n’a pas de contrôle pour ces réglages du profil «&#xa0;%1&#xa0;»&#xa0;; ceux de la fenêtre sont conservés&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nom du profil&#xa0;:</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation>Un profil nommé «&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation>Supprimer le profil «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation>la racine de l’arborescence %1</translation>
    </message>
    <message>
        <source>the name template</source>
        <translation>le modèle de nom</translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation>le volume sonore cible %1&#xa0;LUFS</translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation>le préréglage MP3 %1</translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation>le préréglage MP3 alternatif %1</translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation>les options LAME %1</translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation>la fréquence et les canaux MP3 repris du panneau</translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation>le réglage Ogg Vorbis (un débit ou une qualité que la boîte de dialogue ne propose pas)</translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation>%1&#xa0;Hz, %2 canaux du panneau</translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation>le format PCM WAV %1&#xa0;Hz, %2 canaux, %3 bits</translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation>le profil WMA %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation>Conversion depuis</translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation>Conversion vers</translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation>Sorties en cours</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation>Vérification %1&#xa0;%</translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation>Traitement %1&#xa0;%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Cancel This Output</source>
        <translation>Annuler cette sortie</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un code de langue comme deu ou eng</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Grandes icônes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Petites icônes</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation>Voulez-vous vraiment mettre «&#xa0;%1&#xa0;» à la corbeille&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation>
            <numerusform>Voulez-vous vraiment mettre %n élément à la corbeille&#xa0;?</numerusform>
            <numerusform>Voulez-vous vraiment mettre ces %n éléments à la corbeille&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation>Impossible de mettre à la corbeille&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation>Ce dossier contient déjà «&#xa0;%1&#xa0;».
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation>Impossible de coller&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation>Impossible de créer un dossier dans %1.</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Outre le son, un fichier audio peut contenir des informations le décrivant&#xa0;: le titre, l’artiste, l’album, etc., que les lecteurs multimédias affichent pendant la lecture. Ces informations sont enregistrées dans le fichier lui-même&#xa0;; elles ne sont pas le nom du fichier.</translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>Dans les fichiers audio MPEG (MP3, MP2), ces informations s’appellent une balise ID3. Elle existe en deux versions, ID3v1 et ID3v2&#xa0;; ID3v2 est la plus répandue.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Éditeur d’infos audio</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste&#xa0;:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album&#xa0;:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation>Version de balise des fichiers MPEG</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; Que sont les infos d’un fichier audio&#xa0;?&lt;/a&gt;</translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation> Que sont les infos d’un fichier audio&#xa0;?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Éditeur d’infos audio</translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation>La balise ID3v2 de ce fichier contient plus qu’une balise ID3v1 ne peut en garder (images, textes longs ou autres champs). Enregistrer les informations en ID3v1 supprime la balise ID3v2 et tout ce contenu.

Supprimer la balise ID3v2 et enregistrer les informations en ID3v1&#xa0;?</translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation>Ce fichier se termine aussi par une balise ID3v1, qui contient des informations que la balise ID3v2 ne contiendra pas.

Supprimer la balise ID3v1&#xa0;? Choisissez «&#xa0;Non&#xa0;» pour la garder à côté de la balise ID3v2.</translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation>Numéro de piste non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation>Année non valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>Réglage du format WAV</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Si vous ne savez pas quel format choisir, vous pouvez reprendre celui d’un fichier exemple.</translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation>Format d’un fichier exemple</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation>Format comme l’exemple</translation>
    </message>
</context>
</TS>
