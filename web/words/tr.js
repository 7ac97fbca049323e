// Sayfanın sözleri Türkçe, beş yaşında bir çocuk için: kısa ve sade.
// Anahtarlar ve `{name}` en.js'teki gibi.
(globalThis.pageCatalogues ??= {}).tr = {
  'ask.main-menu': 'Ne oynayalım?',
  'ask.game-type': 'Tek oyuncu mu, iki mi?',
  'ask.help-menu': 'Hangi ipuçları?',
  'ask.tips.addition': 'Toplama ipuçları',
  'ask.tips.subtraction': 'Çıkarma ipuçları',
  'ask.tips.multiplication': 'Çarpma ipuçları',
  'ask.name': '{player} numaralı oyuncu, adın ne?',
  'ask.continue': 'Şimdi ne yapalım?',
  'ask.exit': 'Oyundan çıkalım mı?',

  'choice.main-menu.1': 'Toplama',
  'choice.main-menu.2': 'Çıkarma',
  'choice.main-menu.3': 'Çarpma',
  'choice.main-menu.4': 'Yardım ve ipuçları',
  'choice.main-menu.5': 'Çıkış',
  'choice.game-type.1': 'Tek oyuncu',
  'choice.game-type.2': 'İki oyuncu',
  'choice.help-menu.1': 'Toplama ipuçları',
  'choice.help-menu.2': 'Çıkarma ipuçları',
  'choice.help-menu.3': 'Çarpma ipuçları',
  'choice.help-menu.4': 'Ana menü',
  'choice.tips.b': 'Geri',
  'choice.tips.x': 'Ana menü',
  'choice.continue.1': 'Ana menü',
  'choice.continue.2': 'Bitir',
  'choice.exit.y': 'Evet, çıkalım',
  'choice.exit.n': 'Hayır, oynayalım',

  'verdict.right': 'Doğru!',
  'verdict.wrong': 'Bu sefer olmadı',
  'verdict.answer': 'Doğru cevap {answer}',
  'tries-left': { one: '{count} hakkın kaldı', other: '{count} hakkın kaldı' },
  'ended.points': { one: '{count} puan kazandın', other: '{count} puan kazandın' },
  'ended.winner': '{name} kazandı!',
  'ended.neither': 'Bu sefer kimse bilemedi',
  'ended': 'Oyun bitti.',
  'again': 'Yeniden oyna',

  'hint.name': 'Adını yaz ve Enter’a bas.',
  'hint.number': 'Buraya sadece sayı yazılır.',
  'hint.number.long': 'En fazla dokuz rakam.',
  'hint.key': 'Düğmelerden birine dokun.',
  'instructions': 'Cevabını yaz ve Enter’a bas. Backspace siler.',

  'note.no-voice': 'Bu cihazda okuyacak bir ses yok. Cihazın Ayarlar › Erişilebilirlik bölümünde, “Metin okuma” ya da “Seslendirilen İçerik” altından bir ses eklenebilir.',
  'note.no-voice.language': 'Bu cihazda Türkçe bir ses yok. Cihazın Ayarlar › Erişilebilirlik bölümünde, “Metin okuma” ya da “Seslendirilen İçerik” altından bir ses eklenebilir.',
  'note.own-voice': 'Şimdilik sayfa kendi, daha basit sesiyle okuyor; cihaza eklenen bir ses daha iyi duyulur.',
  'note.cannot-run': 'Bu tarayıcı Orvanell’i çalıştıramıyor. Tarayıcıyı güncelleyin ya da sayfayı başka bir tarayıcıda açın.',

  'tool.smaller': 'Küçük yazı',
  'tool.larger': 'Büyük yazı',
  'tool.keypad': 'Sayı tuşları',
  'tool.keyboard': 'Klavye',
  'tool.read-aloud': 'Sesli oku',
  'tool.say-again': 'Tekrar söyle',
  'tool.language': 'Dil',
  'key.backspace': 'Sil',
  'key.enter': 'Enter',
  'log': 'Oyun',
  'choices': 'Seçenekler',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'Ne oynayalım?',
  'say.ask.game-type': 'Tek oyuncu mu, iki mi?',
  'say.ask.help-menu': 'Hangi ipuçları?',
  'say.ask.name': '{player} numaralı oyuncu, adın ne?',
  'say.ask.exit': 'Oyundan çıkalım mı?',
  'say.choice.main-menu.1': 'artı',
  'say.choice.main-menu.2': 'eksi',
  'say.choice.main-menu.3': 'çarpı',
  'say.choice.main-menu.4': 'soru işareti: yardım',
  'say.choice.main-menu.5': 'kapı: çıkış',
  'say.choice.game-type.1': 'bir kişi',
  'say.choice.game-type.2': 'iki kişi',
  'say.choice.help-menu.1': 'artı',
  'say.choice.help-menu.2': 'eksi',
  'say.choice.help-menu.3': 'çarpı',
  'say.choice.help-menu.4': 'ev: ana menü',
  'say.choice.tips.b': 'geri ok: geri',
  'say.choice.tips.x': 'ev: ana menü',
  'say.choice.continue.1': 'ev: ana menü',
  'say.choice.continue.2': 'kapı: bitir',
  'say.choice.exit.y': 'kapı: evet',
  'say.choice.exit.n': 'geri ok: hayır',
  'say.operator.addition': 'artı',
  'say.operator.subtraction': 'eksi',
  'say.operator.multiplication': 'çarpı',
  'say.equals': 'eşittir',
  'say.sum': '{first} {operator} {second} kaç eder?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Doğru!',
  'say.wrong': 'Bu sefer olmadı.',
  'say.answer': 'Doğru cevap {answer} idi.',
  'say.points': { one: '{count} puan kazandın.', other: '{count} puan kazandın.' },
  'say.winner': '{name} kazandı!',
  'say.neither': 'Kimse kazanmadı.',
  'say.ended': 'Oyun bitti. Yeniden oynamak için yeşil düğmeye dokun.',
  'say.how-to-answer': 'Önce sayılara dokun, sonra yeşil düğmeye dokun.',
  'say.how-to-answer.keyboard': 'Sayıyı yaz, sonra Enter’a bas.',
  'say.missed': 'Güzel bir denemeydi! Bir sonrakini bilirsin.',

  'tips.addition': 'Bir sayıya 0 eklersen sayı değişmez: 7 + 0 = 7.\n' +
    'Sayıları zihninde canlandırmaya çalış.\n' +
    '3 elman var ve 4 tane daha alıyorsun.\n' +
    '3 + 4 = 7: artık 7 elman var!',
  'tips.subtraction': 'Bir sayıdan 0 çıkarırsan sayı değişmez: 6 − 0 = 6.\n' +
    'İki basamaklı sayılarda önce birlikleri, sonra onlukları çıkar.\n' +
    'İlk sayının birlikleri yetmiyor mu? 1 onluk boz: 10 birlik daha olur.',
  'tips.multiplication': 'Bir sayı çarpı 1, yine o sayıdır: 4 × 1 = 4.\n' +
    'Bir sayı çarpı 0, 0 eder: 4 × 0 = 0.\n' +
    'Bir sayı çarpı 5, 5 ya da 0 ile biter: 3 × 5 = 15.\n' +
    'Bir sayı çarpı 10, sonuna bir 0 alır: 6 × 10 = 60.\n' +
    'Tek basamaklı bir sayıyı 11 ile çarparsan, o rakam iki kez yan yana yazılır: 8 × 11 = 88.\n' +
    '9 × 1’den 9 × 10’a kadar, sonucun rakamları toplanınca 9 eder.\n' +
    '9 × 2 = 18 ve 1 + 8 = 9.\n' +
    '9 × 5 = 45 ve 4 + 5 = 9.\n' +
    'Çarpım tablosu bütün sonuçları gösterir: yazdır ve kullan!',
};
