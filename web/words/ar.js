// كلمات الصفحة بالعربية لطفل في الخامسة: قصيرة وسهلة. المفاتيح و`{name}`
// كما في en.js. الجمع بصيغه الست في Intl.PluralRules. نخاطب الطفل بصيغة
// "نحن" أو بلا فعل حيث أمكن، لكي لا نفترض أنه ولد أو بنت. العدد مع معدوده
// مكتوب بالحروف في النصائح، لكي لا يخطئ الصوت في تذكيره وتأنيثه.
(globalThis.pageCatalogues ??= {}).ar = {
  'ask.main-menu': 'ماذا نلعب؟',
  'ask.game-type': 'لاعب واحد أم لاعبان؟',
  'ask.help-menu': 'أيّ النصائح؟',
  'ask.tips.addition': 'نصائح الجمع',
  'ask.tips.subtraction': 'نصائح الطرح',
  'ask.tips.multiplication': 'نصائح الضرب',
  'ask.name': 'مَن اللاعب رقم {player}؟ نكتب الاسم.',
  'ask.continue': 'ماذا بعد؟',
  'ask.exit': 'هل نخرج من اللعبة؟',

  'choice.main-menu.1': 'الجمع',
  'choice.main-menu.2': 'الطرح',
  'choice.main-menu.3': 'الضرب',
  'choice.main-menu.4': 'مساعدة ونصائح',
  'choice.main-menu.5': 'خروج',
  'choice.game-type.1': 'لاعب واحد',
  'choice.game-type.2': 'لاعبان',
  'choice.help-menu.1': 'نصائح الجمع',
  'choice.help-menu.2': 'نصائح الطرح',
  'choice.help-menu.3': 'نصائح الضرب',
  'choice.help-menu.4': 'القائمة الرئيسية',
  'choice.tips.b': 'رجوع',
  'choice.tips.x': 'القائمة الرئيسية',
  'tips.more': 'نصائح أخرى',
  'choice.continue.1': 'القائمة الرئيسية',
  'choice.continue.2': 'إنهاء',
  'choice.exit.y': 'نعم، نخرج',
  'choice.exit.n': 'لا، نبقى',

  'verdict.right': 'صحيح!',
  'verdict.wrong': 'ليس صحيحًا هذه المرة',
  'verdict.answer': 'الجواب {answer}',
  'tries-left': {
    zero: 'لم تبقَ محاولات',
    one: 'بقيت محاولة واحدة',
    two: 'بقيت محاولتان',
    few: 'المحاولات الباقية: {count}',
    many: 'بقيت {count} محاولة',
    other: 'بقيت {count} محاولة',
  },
  'ended.points': {
    zero: 'لا نقاط هذه المرة',
    one: 'نقطة واحدة',
    two: 'نقطتان',
    few: '{count} نقاط',
    many: '{count} نقطة',
    other: '{count} نقطة',
  },
  'ended.winner': 'الفوز من نصيب {name}!',
  'ended.neither': 'لم يعرف أحدٌ الجواب هذه المرة',
  'ended': 'انتهت اللعبة.',
  'again': 'لنلعب مرة أخرى',

  'hint.name': 'نكتب الاسم ثم نضغط Enter.',
  'hint.number': 'هنا أرقام فقط.',
  'hint.number.long': 'تسعة أرقام على الأكثر.',
  'hint.key': 'لنختر أحد الأزرار.',
  'instructions': 'نكتب الجواب ثم نضغط Enter. زر Backspace يمحو.',

  'note.no-voice': 'لا يوجد في هذا الجهاز صوت للقراءة. يمكن إضافة صوت من «الإعدادات» › «تسهيلات الاستخدام» في الجهاز، في «تحويل النص إلى كلام» أو «المحتوى المنطوق».',
  'note.no-voice.language': 'لا يوجد في هذا الجهاز صوت عربي. يمكن إضافة صوت من «الإعدادات» › «تسهيلات الاستخدام» في الجهاز، في «تحويل النص إلى كلام» أو «المحتوى المنطوق».',
  'note.own-voice': 'تقرأ الصفحة الآن بصوتها الخاص، وهو أبسط؛ الصوت المضاف إلى الجهاز أوضح.',
  'note.cannot-run': 'هذا المتصفح لا يستطيع تشغيل Orvanell. للعب، يمكن تحديث المتصفح أو فتح الصفحة في متصفح آخر.',

  'tool.smaller': 'خط أصغر',
  'tool.larger': 'خط أكبر',
  'tool.keypad': 'لوحة الأرقام',
  'tool.keyboard': 'لوحة المفاتيح',
  'tool.read-aloud': 'القراءة بصوت عالٍ',
  'tool.say-again': 'إعادة القراءة',
  'tool.language': 'اللغة',
  'key.backspace': 'مسح',
  'key.enter': 'إدخال',
  'log': 'اللعبة',
  'choices': 'الخيارات',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': '، ',
  'say.ask.main-menu': 'ماذا نلعب؟',
  'say.ask.game-type': 'لاعب واحد أم لاعبان؟',
  'say.ask.help-menu': 'أيّ النصائح؟',
  'say.ask.name': 'مَن اللاعب رقم {player}؟ نكتب الاسم.',
  'say.ask.exit': 'هل نخرج من اللعبة؟',
  'say.choice.main-menu.1': 'زائد',
  'say.choice.main-menu.2': 'ناقص',
  'say.choice.main-menu.3': 'ضَرْب',
  'say.choice.main-menu.4': 'علامة الاستفهام للنصائح',
  'say.choice.main-menu.5': 'الباب للخروج',
  'say.choice.game-type.1': 'شخص واحد',
  'say.choice.game-type.2': 'شخصان',
  'say.choice.help-menu.1': 'زائد',
  'say.choice.help-menu.2': 'ناقص',
  'say.choice.help-menu.3': 'ضَرْب',
  'say.choice.help-menu.4': 'البيت للقائمة الرئيسية',
  'say.choice.tips.b': 'السهم للرجوع',
  'say.choice.tips.x': 'البيت للقائمة الرئيسية',
  'say.choice.continue.1': 'البيت للقائمة الرئيسية',
  'say.choice.continue.2': 'الباب للإنهاء',
  'say.choice.exit.y': 'الباب: نعم',
  'say.choice.exit.n': 'السهم: لا',
  'say.operator.addition': 'زائد',
  'say.operator.subtraction': 'ناقص',
  'say.operator.multiplication': 'ضَرْب',
  'say.equals': 'يساوي',
  // كَمْ with its vowels: eSpeak reads a bare كم as km, "kilometre".
  'say.sum': 'كَمْ يساوي {first} {operator} {second}؟',
  'say.turn': 'يا {name}، {sum}',
  'say.right': 'صحيح!',
  'say.wrong': 'ليس صحيحًا هذه المرة.',
  'say.answer': 'كان الجواب {answer}.',
  'say.points': {
    zero: 'لا نقاط هذه المرة.',
    one: 'نقطة واحدة.',
    two: 'نقطتان.',
    few: 'عدد النقاط {count}.',
    many: 'عدد النقاط {count}.',
    other: 'عدد النقاط {count}.',
  },
  'say.winner': 'الفوز من نصيب {name}!',
  'say.neither': 'لم يفز أحد.',
  'say.ended': 'انتهت اللعبة. للعب مرة أخرى، نضغط الزر الأخضر.',
  'say.how-to-answer': 'نضغط على الأرقام، ثم على الزر الأخضر.',
  'say.how-to-answer.keyboard': 'نكتب العدد ثم نضغط Enter.',
  'say.missed': 'محاولة جيدة! سننجح في المرة القادمة.',

  'tips.addition': 'إذا جمعنا 0 يبقى العدد كما هو: 7 + 0 = 7.\n' +
    'لنتخيّل الأعداد في أذهاننا.\n' +
    'معنا ثلاث تفاحات، ثم نأخذ أربعًا أخرى.\n' +
    '3 + 4 = 7: صار معنا سبع تفاحات!',
  'tips.subtraction': 'إذا طرحنا 0 يبقى العدد كما هو: 6 − 0 = 6.\n' +
    'في الأعداد ذات الرقمين، نطرح الآحاد أولًا، ثم العشرات.\n' +
    'إذا لم تكفِ آحاد العدد الأول، نستعير عشرة واحدة من العشرات، فتزيد الآحاد عشرة.',
  'tips.multiplication': 'إذا ضربنا عددًا في 1 يبقى كما هو: 4 × 1 = 4.\n' +
    'إذا ضربنا عددًا في 0 يصير 0: 4 × 0 = 0.\n' +
    'إذا ضربنا عددًا في 5 ينتهي الجواب بالرقم 5 أو 0: 3 × 5 = 15.\n' +
    'إذا ضربنا عددًا في 10 نضع 0 على يمينه: 6 × 10 = 60.\n' +
    'إذا ضربنا عددًا من رقم واحد في 11 نكتب الرقم مرتين: 8 × 11 = 88.\n' +
    'من 9 × 1 إلى 9 × 10، مجموع أرقام الجواب 9.\n' +
    '9 × 2 = 18، ومجموع رقميه 1 + 8 = 9.\n' +
    '9 × 5 = 45، ومجموع رقميه 4 + 5 = 9.\n' +
    'جدول الضرب يُرينا كل الأجوبة: لنطبعه ونستعمله!',
};
