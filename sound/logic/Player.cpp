#include "sound/logic/Player.h"

#include "sound/logic/PlayerList.h"
#include "sound/logic/Pronunciation.h"
#include "sound/logic/SoundFolder.h"

#include <QFileInfo>

namespace telvo {

namespace {

constexpr PauseChoice kPauses[kPauseChoiceCount] = {
    {"1 секунда", 500, 4},   {"2 секунды", 1000, 16}, {"3 секунды", 1500, 31},
    {"4 секунды", 2000, 40}, {"5 секунд", 2500, 47},  {"6 секунд", 3000, 60},
};

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

} // namespace

const PauseChoice& pauseChoice(int item) {
    return kPauses[item < 0 ? 0 : item >= kPauseChoiceCount ? kPauseChoiceCount - 1 : item];
}

QString PlayerState::timeText() const {
    return twoDigits(Minuty) + u':' + twoDigits(Sekundy);
}

Player::Player(Globalnye_peremennye_slovarya& g, SoundOutput& output, PlayerView& view,
               QObject* parent)
    : QObject(parent), g_(g), output_(output), view_(view) {}

void Player::show(const QString& clipboardWord) {
    g_.Papka_so_zvukami = Prochitat_polnoe_imya_posledney_vybrannoy_papki(g_.puti);
    s_ = PlayerState{};
    s_.Put_k_faylu = Imya_zvukovogo_fayla(g_.Papka_so_zvukami, clipboardWord);
    s_.Nadpis_vybrannyy_fayl = clipboardWord;
    s_.Stroka_s_polnym_imenem_fayla = s_.Put_k_faylu;
    // At show the pause is the third item but the bar ticks as the second one does.
    s_.pauseItem = 2;
    s_.Pauza_ms = 1500;
    s_.progressTickMs = 16;
    g_.Obnovit_proslushivanie = true;
    g_.Poryadok_po_ocheredi = false;
    setListenAllByMode();
    s_.pronounceEnabled = true;
    s_.Slovo_vyzyvayushchego_okna = true;
    view_.render();
}

void Player::setListenAllByMode() {
    int count;
    if (g_.Rezhim_zabytye) {
        s_.listenAllCaption = QStringLiteral("Слушать все забытые слова");
        count = g_.Kolichestvo_zabytykh_slov;
    } else if (g_.Proigryvatel_iz_grupp) {
        s_.listenAllCaption = QStringLiteral("Слушать все слова из группы");
        count = g_.Kolichestvo_slov_v_tekushchey_gruppe;
    } else {
        s_.listenAllCaption = QStringLiteral("Слушать все слова");
        count = g_.Kolichestvo_zapisey;
    }
    s_.listenAllEnabled = count > 1;
}

bool Player::folderUsable() {
    if (!Papka_so_zvukami_zadana(g_.Papka_so_zvukami))
        g_.Papka_so_zvukami = Prochitat_polnoe_imya_posledney_vybrannoy_papki(g_.puti);
    if (Papka_so_zvukami_zadana(g_.Papka_so_zvukami))
        return true;
    view_.showError(QStringLiteral(
        "Папка для прослушивания слов не нейдена. Выберите вручную папку со звуковыми фалами. "
        "Для этого нажмите кнопку «Выбрать файл» и выберите какой-нибудь файл для "
        "прослушивания."));
    return false;
}

void Player::lock() {
    s_.locked = true;
}

void Player::unlock() {
    s_.locked = false;
    s_.pronounceEnabled = s_.Slovo_vyzyvayushchego_okna || !s_.Nadpis_vybrannyy_fayl.isEmpty();
    setListenAllByMode();
}

void Player::Knopka_slushat_slovoClick() {
    if (task_.busy() || !folderUsable())
        return;
    lock();
    if (s_.Povtor_po_umolchaniyu && !s_.Slushat_vse)
        s_.Povtoryat = true;
    if (s_.Povtoryat) {
        s_.stopwatchOn = true;
        s_.stopEnabled = true;
        view_.focus(PlayerFocus::Stop);
    }
    if (s_.Slushat_vse)
        --s_.Schetchik_vosproizvedeniy; // the current word again, without advancing
    else
        ++s_.Schetchik_povtoreniy;
    Vosproizvodim_zvuk();
}

void Player::Slushat_slovo_mnogo_raz() {
    if (task_.busy())
        return;
    s_.Povtoryat = true;
    s_.repeatPicture = RepeatPicture::Povtoryat;
    s_.Povtor_po_umolchaniyu = true;
    Knopka_slushat_slovoClick();
}

bool Player::buildList() {
    s_.Spisok_proslushivaniya =
        Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(g_);
    return !s_.Spisok_proslushivaniya.isEmpty();
}

void Player::shuffleIfRandom() {
    if (!g_.Poryadok_po_ocheredi && s_.Spisok_proslushivaniya.size() > 2)
        Peremeshat_spisok_proslushivaniya(s_.Spisok_proslushivaniya, g_.random);
}

void Player::Knopka_slushat_vse_slovaClick() {
    if (task_.busy() || !folderUsable())
        return;
    if (g_.Rezhim_zabytye && !QFileInfo::exists(g_.puti.statForget)) {
        view_.showMessage(QStringLiteral("Пока не отмечено ни одного забытого слова."));
        return;
    }
    if (g_.Obnovit_proslushivanie) {
        if (!buildList()) {
            restAfterListenAll();
            s_.Povtoryat = s_.Slushat_vse = s_.Pokazyvat_kazhdoe_slovo = false;
            s_.Ostanovleno_polzovatelem = true;
            s_.listenAllEnabled = false;
            view_.render();
            view_.showMessage(QStringLiteral("При использовании режима «Забытые» ни одно забытое "
                                             "слово не входит в диапазон для упражнений."));
            return;
        }
        s_.Tekushchiy_nomer = 0;
        g_.Obnovit_proslushivanie = false;
    }
    s_.Sekundy = s_.Minuty = 0;
    s_.Slushat_vse = s_.Sekundomer_sbrosit = s_.Povtoryat = true;
    s_.Slovo_vyzyvayushchego_okna = false;
    s_.stopEnabled = true;
    s_.stopwatchOn = true;
    s_.listenAllPanels = true;
    s_.repeatPicture = RepeatPicture::Pauza;
    lock();
    s_.Schetchik_vosproizvedeniy = 0;
    s_.Schetchik_povtoreniy = 1;
    shuffleIfRandom();
    s_.Tekushchiy_nomer = 0;
    s_.Put_k_faylu = Imya_zvukovogo_fayla(g_.Papka_so_zvukami, s_.Spisok_proslushivaniya[0]);
    s_.Pokazyvat_kazhdoe_slovo = true;
    Vosproizvodim_zvuk();
}

void Player::Vosproizvodim_zvuk() {
    const bool started = task_.start(
        [this] { view_.render(); },
        [this](const SoundTask::OnUi& onUi) {
            for (;;) {
                QString folder, word;
                int pause = 0;
                onUi([&] {
                    s_.Tiki_progressa = 0;
                    s_.progressTimerOn = true;
                    s_.repetitionsCaption = QString::number(s_.Schetchik_povtoreniy);
                    if (s_.Slushat_vse) {
                        const QString& w = s_.Spisok_proslushivaniya[s_.Tekushchiy_nomer];
                        s_.Nadpis_nomer_slova = QString::number(s_.Tekushchiy_nomer + 1);
                        g_.Tekushchee_slovo_proigryvatelya = w;
                        s_.Put_k_faylu = Imya_zvukovogo_fayla(g_.Papka_so_zvukami, w);
                        s_.Nadpis_vybrannyy_fayl = w;
                    }
                    if (s_.Pokazyvat_kazhdoe_slovo) {
                        const QString& w = s_.Spisok_proslushivaniya[s_.Tekushchiy_nomer];
                        view_.setClipboard(w);
                        s_.Nadpis_vybrannyy_fayl = w;
                        s_.Stroka_s_polnym_imenem_fayla = s_.Put_k_faylu;
                    }
                    folder = QFileInfo(s_.Put_k_faylu).absolutePath();
                    word = s_.Slushat_vse ? s_.Spisok_proslushivaniya[s_.Tekushchiy_nomer]
                                          : QFileInfo(s_.Put_k_faylu).completeBaseName();
                    pause = s_.Pauza_ms;
                    view_.render();
                });
                output_.wait(pause);
                pronounceWord(output_, folder, word);
                // The pause list may have changed meanwhile: the new pause applies now.
                onUi([&] { pause = s_.Pauza_ms; });
                output_.wait(pause);
                bool again = false;
                onUi([&] {
                    s_.progressTimerOn = false;
                    ++s_.Schetchik_vosproizvedeniy;
                    const auto n = static_cast<int>(s_.Spisok_proslushivaniya.size());
                    if (s_.Povtoryat && s_.Slushat_vse && n > 0) {
                        s_.Tekushchiy_nomer = (s_.Tekushchiy_nomer + 1) % n;
                        if (s_.Schetchik_vosproizvedeniy % n == 0) {
                            ++s_.Schetchik_povtoreniy;
                            shuffleIfRandom();
                        }
                    } else if (s_.Povtoryat && !s_.Slushat_vse) {
                        ++s_.Schetchik_povtoreniy;
                    }
                    again = s_.Povtoryat;
                    view_.render();
                });
                if (!again)
                    break;
            }
        },
        [this] {
            s_.progressTimerOn = false;
            s_.Tiki_progressa = 0;
            unlock();
            s_.Ostanovleno_polzovatelem = false;
            view_.focus(PlayerFocus::ListenWord);
            s_.Stroka_s_polnym_imenem_fayla = s_.Put_k_faylu;
            view_.render();
        });
    if (!started)
        view_.render();
}

void Player::restAfterListenAll() {
    s_.stopEnabled = false;
    s_.repeatPicture = RepeatPicture::Povtoryat;
    s_.backPossible = false;
    s_.listenAllPanels = false;
}

void Player::Knopka_ostanovitClick() {
    if (s_.Probel_na_stope) {
        s_.Slovo_vyzyvayushchego_okna = false;
        s_.Probel_na_stope = false;
        lock();
        view_.render();
        return;
    }
    if (s_.Povtoryat || s_.Slushat_vse) {
        s_.stopwatchOn = false;
        s_.Povtor_po_umolchaniyu = true;
        if (s_.Sekundomer_sbrosit) {
            s_.Slovo_vyzyvayushchego_okna = false;
            s_.Sekundy = s_.Minuty = 0;
            s_.Sekundomer_sbrosit = false;
        }
        restAfterListenAll();
    } else {
        s_.Povtor_po_umolchaniyu = false;
    }
    s_.Povtoryat = s_.Slushat_vse = s_.Pokazyvat_kazhdoe_slovo = false;
    s_.Ostanovleno_polzovatelem = true;
    view_.render();
}

void Player::spaceOnStop() {
    if (!s_.Slushat_vse) {
        Knopka_slushat_slovoClick();
        return;
    }
    Risunok_povtoreniyaClick();
}

void Player::Risunok_povtoreniyaClick() {
    if (s_.Slushat_vse) {
        if (g_.Obnovit_proslushivanie) {
            if (buildList()) {
                s_.Tekushchiy_nomer = 0;
                g_.Obnovit_proslushivanie = false;
            }
            shuffleIfRandom();
        }
        s_.Povtoryat = !s_.Povtoryat;
        if (!s_.Povtoryat) {
            s_.repeatPicture = RepeatPicture::Prodolzhit;
            s_.backPossible = s_.Tekushchiy_nomer > 0;
            s_.stopwatchOn = false;
        } else {
            s_.repeatPicture = RepeatPicture::Pauza;
            s_.backPossible = false;
            s_.stopwatchOn = true;
            lock();
            // Continued before the paused cycle ended: that cycle goes on and advances as
            // usual, so nothing is played again and no advance must be taken back.
            if (!task_.busy()) {
                --s_.Schetchik_vosproizvedeniy;
                Vosproizvodim_zvuk();
            }
        }
        view_.render();
        return;
    }
    if (task_.busy())
        return;
    if (s_.Put_k_faylu.isEmpty()) {
        view_.showError(QStringLiteral("Файл для прослушивания еще не выбран."));
        return;
    }
    if (s_.Povtor_po_umolchaniyu) {
        s_.Povtor_po_umolchaniyu = false;
        s_.Povtoryat = false;
        s_.stopwatchOn = false;
        s_.Sekundy = s_.Minuty = 0;
    } else {
        s_.Povtoryat = !s_.Povtoryat;
    }
    s_.repeatPicture = s_.Povtoryat ? RepeatPicture::Povtoryat : RepeatPicture::Ne_povtoryat;
    view_.render();
}

void Player::Risunok_vozvrataClick() {
    if (!s_.Slushat_vse || task_.busy() || s_.Tekushchiy_nomer <= 0)
        return;
    --s_.Tekushchiy_nomer;
    --s_.Schetchik_vosproizvedeniy;
    const QString word = s_.Spisok_proslushivaniya[s_.Tekushchiy_nomer];
    g_.Tekushchee_slovo_proigryvatelya = word;
    s_.backPossible = s_.Tekushchiy_nomer > 0;
    s_.Nadpis_nomer_slova = QString::number(s_.Tekushchiy_nomer + 1);
    s_.Put_k_faylu = Imya_zvukovogo_fayla(g_.Papka_so_zvukami, word);
    s_.Stroka_s_polnym_imenem_fayla = s_.Put_k_faylu;
    view_.setClipboard(word);
    s_.Nadpis_vybrannyy_fayl = word;
    view_.render();
}

void Player::fileChosen(const QString& path, const QString& callerWord) {
    if (task_.busy() || path.isEmpty())
        return;
    const QFileInfo file(path);
    if (!file.isFile()) {
        view_.showError(QStringLiteral("Указанный файл для простушивания не найден."));
        return;
    }
    s_.Put_k_faylu = path;
    s_.Slovo_vyzyvayushchego_okna = file.fileName() == callerWord + QStringLiteral(".wav");
    s_.pronounceEnabled = s_.Slovo_vyzyvayushchego_okna;
    if (file.absolutePath() != g_.Papka_so_zvukami) {
        const SoundFolderWrite written = Zapomnit_papku_vybrannogo_fayla(g_.puti, path);
        if (written != SoundFolderWrite::Written)
            view_.showMessage(soundFolderRefusalText(written, file.absolutePath()));
    }
    s_.repetitionsCaption.clear();
    s_.Sekundy = s_.Minuty = s_.Schetchik_vosproizvedeniy = s_.Schetchik_povtoreniy = 0;
    view_.focus(PlayerFocus::ListenWord);
    const QString word = file.fileName().chopped(4);
    view_.setClipboard(word);
    s_.Nadpis_vybrannyy_fayl = word;
    s_.Stroka_s_polnym_imenem_fayla = path;
    if (s_.Sekundomer_sbrosit) {
        s_.repeatPicture = RepeatPicture::Ne_povtoryat;
        s_.backPossible = false;
        s_.listenAllPanels = false;
        s_.Sekundomer_sbrosit = s_.Slushat_vse = s_.Povtoryat = false;
    }
    view_.render();
}

void Player::setPauseItem(int item) {
    const PauseChoice& c = pauseChoice(item);
    s_.pauseItem = item;
    s_.Pauza_ms = c.Pauza_ms;
    s_.progressTickMs = c.tickMs;
    if (s_.stopEnabled)
        view_.focus(PlayerFocus::Stop);
    view_.render();
}

void Player::stopwatchTick() {
    if (++s_.Sekundy == 60) {
        s_.Sekundy = 0;
        if (++s_.Minuty == 60)
            s_.Minuty = 0;
    }
    view_.render();
}

void Player::progressTick() {
    ++s_.Tiki_progressa;
    view_.render();
}

void Player::closed() {
    g_.Obnovit_proslushivanie = true;
    g_.Tekushchee_slovo_proigryvatelya.clear();
}

} // namespace telvo
