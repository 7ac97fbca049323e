// 頁面上的中文（繁體），照臺灣學校的說法，說給五歲的孩子聽：簡短、好懂。
// 鍵名和 `{name}` 與 en.js 相同；中文不加空格，用中文標點。
(globalThis.pageCatalogues ??= {})['zh-Hant'] = {
  'ask.main-menu': '我們玩什麼？',
  'ask.game-type': '一個人玩，還是兩個人玩？',
  'ask.help-menu': '看哪一種小技巧？',
  'ask.tips.addition': '加法小技巧',
  'ask.tips.subtraction': '減法小技巧',
  'ask.tips.multiplication': '乘法小技巧',
  'ask.name': '你是{player}號玩家。你叫什麼名字？',
  'ask.continue': '接下來要做什麼？',
  'ask.exit': '要離開遊戲嗎？',

  'choice.main-menu.1': '加法',
  'choice.main-menu.2': '減法',
  'choice.main-menu.3': '乘法',
  'choice.main-menu.4': '說明和小技巧',
  'choice.main-menu.5': '離開',
  'choice.game-type.1': '一個人玩',
  'choice.game-type.2': '兩個人玩',
  'choice.help-menu.1': '加法小技巧',
  'choice.help-menu.2': '減法小技巧',
  'choice.help-menu.3': '乘法小技巧',
  'choice.help-menu.4': '主選單',
  'choice.tips.b': '返回',
  'choice.tips.x': '主選單',
  'choice.continue.1': '主選單',
  'choice.continue.2': '不玩了',
  'choice.exit.y': '是，離開',
  'choice.exit.n': '不，繼續玩',

  'verdict.right': '答對了！',
  'verdict.wrong': '這次不對',
  'verdict.answer': '答案是{answer}',
  'tries-left': { other: '還有{count}次機會' },
  'ended.points': { other: '你得了{count}分' },
  'ended.winner': '{name}贏了！',
  'ended.neither': '這次誰都沒答對',
  'ended': '遊戲結束了。',
  'again': '再玩一次',

  'hint.name': '輸入你的名字，再按Enter鍵。',
  'hint.number': '這裡只能填數字。',
  'hint.number.long': '最多九位數。',
  'hint.key': '點其中一個按鈕。',
  'instructions': '輸入答案，再按Enter鍵。倒退鍵可以刪除。',

  'note.no-voice': '這個裝置沒有朗讀用的語音。可以到裝置的「設定」›「輔助使用」，在「文字轉語音」或「語音內容」裡新增一個。',
  'note.no-voice.language': '這個裝置沒有中文語音。可以到裝置的「設定」›「輔助使用」，在「文字轉語音」或「語音內容」裡新增一個。',
  'note.own-voice': '現在由網頁用內建的簡單語音朗讀；在裝置上新增的語音會更好聽。',
  'note.cannot-run': '這個瀏覽器無法執行Orvanell。更新瀏覽器，或改用其他瀏覽器開啟這個網頁，就可以玩了。',

  'tool.smaller': '文字變小',
  'tool.larger': '文字變大',
  'tool.keypad': '數字鍵盤',
  'tool.keyboard': '鍵盤',
  'tool.read-aloud': '朗讀',
  'tool.say-again': '再說一次',
  'tool.language': '語言',
  'key.backspace': '刪除',
  'key.enter': '確定',
  'log': '遊戲',
  'choices': '選項',

  'say.title': '{title}。',
  'say.chosen': '{choice}。',
  'say.list': '{items}。',
  'say.list.between': '、',
  'say.ask.main-menu': '我們玩什麼？',
  'say.ask.game-type': '一個人玩，還是兩個人玩？',
  'say.ask.help-menu': '看哪一種小技巧？',
  'say.ask.name': '你是{player}號玩家。你叫什麼名字？',
  'say.ask.exit': '要離開遊戲嗎？',
  'say.choice.main-menu.1': '加',
  'say.choice.main-menu.2': '減',
  'say.choice.main-menu.3': '乘',
  'say.choice.main-menu.4': '點問號看說明',
  'say.choice.main-menu.5': '點門離開',
  'say.choice.game-type.1': '一個人',
  'say.choice.game-type.2': '兩個人',
  'say.choice.help-menu.1': '加',
  'say.choice.help-menu.2': '減',
  'say.choice.help-menu.3': '乘',
  'say.choice.help-menu.4': '點小房子回主選單',
  'say.choice.tips.b': '點箭頭返回',
  'say.choice.tips.x': '點小房子回主選單',
  'say.choice.continue.1': '點小房子回主選單',
  'say.choice.continue.2': '點門就不玩了',
  'say.choice.exit.y': '點門就不玩了',
  'say.choice.exit.n': '點箭頭繼續玩',
  'say.operator.addition': '加',
  'say.operator.subtraction': '減',
  'say.operator.multiplication': '乘以',
  'say.equals': '等於',
  'say.sum': '{first}{operator}{second}等於多少？',
  'say.turn': '輪到{name}了。{sum}',
  'say.right': '答對了！',
  'say.wrong': '這次不對。',
  'say.answer': '答案是{answer}。',
  'say.points': { other: '你得了{count}分。' },
  'say.winner': '{name}贏了！',
  'say.neither': '誰都沒贏。',
  'say.ended': '遊戲結束了。想再玩一次，就點綠色的按鈕。',
  'say.how-to-answer': '點數字，再點綠色的按鈕。',
  'say.how-to-answer.keyboard': '輸入數字，再按Enter鍵。',
  'say.missed': '沒關係！下一題你一定可以。',

  'tips.addition': '一個數加0，還是原來的數：7 + 0 = 7。\n' +
    '試著在腦中想像這些數。\n' +
    '你有3顆蘋果，又拿到4顆。\n' +
    '3 + 4 = 7：現在你有7顆蘋果！',
  'tips.subtraction': '一個數減0，還是原來的數：6 − 0 = 6。\n' +
    '二位數相減，先減個位，再減十位。\n' +
    '個位不夠減？向十位借1，個位就多了10。',
  'tips.multiplication': '一個數乘以1，還是原來的數：4 × 1 = 4。\n' +
    '一個數乘以0，等於0：4 × 0 = 0。\n' +
    '一個數乘以5，個位一定是5或0：3 × 5 = 15。\n' +
    '一個數乘以10，後面加一個0：6 × 10 = 60。\n' +
    '一位數乘以11，就是把這個數字寫兩次：8 × 11 = 88。\n' +
    '從9 × 1到9 × 10，每個答案的各位數字加起來都是9。\n' +
    '9 × 2 = 18，1 + 8 = 9。\n' +
    '9 × 5 = 45，4 + 5 = 9。\n' +
    '九九乘法表上全都有：印出來用用看吧！',
};
